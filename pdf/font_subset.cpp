// SPDX-License-Identifier: EUPL-1.2
#include "pdf/font_subset.h"

#include <hb-subset.h>
#include <hb.h>

#include <memory>
#include <set>
#include <vector>

#include "pdf/unicode_text.h"

namespace pdf {
namespace {

// A named deleter: a lambda in an alias template is a new type at every use under clang.
template <typename T, void (*Destroy)(T*)>
struct Destroyer {
  void operator()(T* p) const { Destroy(p); }
};

template <typename T, void (*Destroy)(T*)>
using Owned = std::unique_ptr<T, Destroyer<T, Destroy>>;

std::string BlobBytes(hb_blob_t* blob) {
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob, &length);
  std::string bytes(data != nullptr ? data : "", length);
  hb_blob_destroy(blob);
  return bytes;
}

// What a reader draws from: a CFF face's CFF table alone, a TrueType face's outlines and
// metrics. Shaping tables, names and glyph names stay behind and are not cut at all.
bool Embedded(const FontFace& face, hb_tag_t tag) {
  if (face.cff) return tag == HB_TAG('C', 'F', 'F', ' ');
  for (hb_tag_t kept : {HB_TAG('h', 'e', 'a', 'd'), HB_TAG('h', 'h', 'e', 'a'),
                        HB_TAG('h', 'm', 't', 'x'), HB_TAG('m', 'a', 'x', 'p'),
                        HB_TAG('l', 'o', 'c', 'a'), HB_TAG('g', 'l', 'y', 'f'),
                        HB_TAG('c', 'm', 'a', 'p'), HB_TAG('O', 'S', '/', '2')}) {
    if (tag == kept) return true;
  }
  return false;
}

void DropTables(const FontFace& face, hb_set_t* dropped) {
  hb_tag_t tags[64];
  unsigned count = 64;
  for (unsigned start = 0; count == 64; start += count) {
    count = 64;
    hb_face_get_table_tags(face.face, start, &count, tags);
    for (unsigned i = 0; i < count; ++i) {
      if (!Embedded(face, tags[i])) hb_set_add(dropped, tags[i]);
    }
  }
}

// A character whose nominal glyph is this one: the text's own when it is, else any.
std::optional<char32_t> NominalCharacter(const FontFace& face, std::uint32_t glyph,
                                         std::string_view text) {
  const std::vector<CodePoint> points = CodePoints(text);
  hb_codepoint_t nominal = 0;
  if (points.size() == 1 && hb_font_get_nominal_glyph(face.font, points[0].value, &nominal) &&
      nominal == glyph) {
    return points[0].value;
  }
  return face.CharacterOf(glyph);
}

// The characters whose nominal glyphs are all the glyphs drawn, when there are such: HarfBuzz
// then looks each up, where a set of glyphs makes it walk the face's whole cmap (a CJK face's
// 44,000 characters) at every document.
std::optional<std::set<char32_t>> NominalCharacters(const FontFace& face,
                                                    const GlyphTexts& glyphs) {
  std::set<char32_t> characters;
  for (const auto& [glyph, text] : glyphs) {
    if (glyph == 0) continue;  // .notdef is always kept
    const std::optional<char32_t> character = NominalCharacter(face, glyph, text);
    if (!character) return std::nullopt;
    characters.insert(*character);
  }
  return characters;
}

// Hinting stays behind with the tables a reader does not use.
Owned<hb_subset_input_t, hb_subset_input_destroy> Input(const FontFace& face,
                                                        const GlyphTexts& glyphs) {
  Owned<hb_subset_input_t, hb_subset_input_destroy> input(hb_subset_input_create_or_fail());
  if (input == nullptr) return input;
  if (auto characters = NominalCharacters(face, glyphs)) {
    hb_set_t* kept = hb_subset_input_unicode_set(input.get());
    for (char32_t character : *characters) hb_set_add(kept, character);
  } else {
    hb_set_t* kept = hb_subset_input_glyph_set(input.get());
    hb_set_add(kept, 0);
    for (const auto& [glyph, text] : glyphs) hb_set_add(kept, glyph);
  }
  DropTables(face, hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG));
  unsigned flags = HB_SUBSET_FLAGS_NO_HINTING;
  // A CFF without CIDs has no map from codes to glyphs but their order: it is kept.
  if (face.cff && !face.CidKeyed()) flags |= HB_SUBSET_FLAGS_RETAIN_GIDS;
  hb_subset_input_set_flags(input.get(), flags);
  return input;
}

}  // namespace

std::optional<FontProgram> SubsetFont(const FontFace& face, const GlyphTexts& glyphs) {
  auto input = Input(face, glyphs);
  if (input == nullptr) return std::nullopt;
  Owned<hb_subset_plan_t, hb_subset_plan_destroy> plan(
      hb_subset_plan_create_or_fail(face.face, input.get()));
  if (plan == nullptr) return std::nullopt;
  Owned<hb_face_t, hb_face_destroy> subset(hb_subset_plan_execute_or_fail(plan.get()));
  if (subset == nullptr) return std::nullopt;
  FontProgram program;
  const hb_map_t* mapping = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
  for (const auto& [glyph, text] : glyphs) {
    const hb_codepoint_t mapped = hb_map_get(mapping, glyph);
    program.new_glyph[glyph] = mapped == HB_MAP_VALUE_INVALID ? 0 : mapped;
  }
  program.bytes = face.cff
                      ? BlobBytes(hb_face_reference_table(subset.get(), HB_TAG('C', 'F', 'F', ' ')))
                      : BlobBytes(hb_face_reference_blob(subset.get()));
  if (program.bytes.empty()) return std::nullopt;
  return program;
}

}  // namespace pdf

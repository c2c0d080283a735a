// SPDX-License-Identifier: EUPL-1.2
#include "pdf/font_subset.h"

#include <hb-subset.h>
#include <hb.h>

#include <memory>

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

// A reader draws from outlines and widths only: shaping tables and hinting stay behind.
Owned<hb_subset_input_t, hb_subset_input_destroy> Input(const FontFace& face,
                                                        const std::set<std::uint32_t>& glyphs) {
  Owned<hb_subset_input_t, hb_subset_input_destroy> input(hb_subset_input_create_or_fail());
  if (input == nullptr) return input;
  hb_set_t* kept = hb_subset_input_glyph_set(input.get());
  hb_set_add(kept, 0);
  for (std::uint32_t glyph : glyphs) hb_set_add(kept, glyph);
  hb_set_t* dropped = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
  for (hb_tag_t tag :
       {HB_TAG('G', 'S', 'U', 'B'), HB_TAG('G', 'P', 'O', 'S'), HB_TAG('G', 'D', 'E', 'F'),
        HB_TAG('B', 'A', 'S', 'E'), HB_TAG('J', 'S', 'T', 'F'), HB_TAG('k', 'e', 'r', 'n')}) {
    hb_set_add(dropped, tag);
  }
  unsigned flags = HB_SUBSET_FLAGS_NO_HINTING;
  // A CFF without CIDs has no map from codes to glyphs but their order: it is kept.
  if (face.cff && face.cids.empty()) flags |= HB_SUBSET_FLAGS_RETAIN_GIDS;
  hb_subset_input_set_flags(input.get(), flags);
  return input;
}

}  // namespace

std::optional<FontProgram> SubsetFont(const FontFace& face, const std::set<std::uint32_t>& glyphs) {
  auto input = Input(face, glyphs);
  if (input == nullptr) return std::nullopt;
  Owned<hb_subset_plan_t, hb_subset_plan_destroy> plan(
      hb_subset_plan_create_or_fail(face.face, input.get()));
  if (plan == nullptr) return std::nullopt;
  Owned<hb_face_t, hb_face_destroy> subset(hb_subset_plan_execute_or_fail(plan.get()));
  if (subset == nullptr) return std::nullopt;
  FontProgram program;
  const hb_map_t* mapping = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
  for (std::uint32_t glyph : glyphs) {
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

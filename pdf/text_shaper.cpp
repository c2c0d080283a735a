// SPDX-License-Identifier: EUPL-1.2
#include "pdf/text_shaper.h"

#include <fribidi.h>
#include <hb.h>

#include <algorithm>
#include <memory>

#include "pdf/unicode_text.h"

namespace pdf {
namespace {

// A stretch of the text drawn in one face, one direction and one script.
struct Item {
  std::size_t first, last;  // characters, last excluded
  const FontFace* face;
  FriBidiLevel level;
  hb_script_t script;
};

bool IsCommon(hb_script_t script) {
  return script == HB_SCRIPT_COMMON || script == HB_SCRIPT_INHERITED || script == HB_SCRIPT_UNKNOWN;
}

hb_script_t ScriptOf(char32_t character) {
  return hb_unicode_script(hb_unicode_funcs_get_default(), character);
}

std::vector<FriBidiLevel> BidiLevels(const std::vector<CodePoint>& characters) {
  const auto count = static_cast<FriBidiStrIndex>(characters.size());
  std::vector<FriBidiChar> text(characters.size());
  for (std::size_t i = 0; i < characters.size(); ++i) text[i] = characters[i].value;
  std::vector<FriBidiCharType> types(characters.size());
  std::vector<FriBidiBracketType> brackets(characters.size());
  std::vector<FriBidiLevel> levels(characters.size(), 0);
  fribidi_get_bidi_types(text.data(), count, types.data());
  fribidi_get_bracket_types(text.data(), count, types.data(), brackets.data());
  // The sheet is a French document: its lines run left to right, a right-to-left name or
  // address inside them as a run of its own.
  FriBidiParType direction = FRIBIDI_PAR_LTR;
  if (fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), count, &direction,
                                          levels.data()) == 0) {
    std::fill(levels.begin(), levels.end(), 0);
  }
  return levels;
}

bool Covers(const FontFace& face, const std::vector<CodePoint>& characters, std::size_t first,
            std::size_t last) {
  for (std::size_t i = first; i < last; ++i) {
    if (!IsIgnorable(characters[i].value) && !face.Has(characters[i].value)) return false;
  }
  return true;
}

bool AllCommon(const std::vector<CodePoint>& characters, std::size_t first, std::size_t last) {
  for (std::size_t i = first; i < last; ++i) {
    if (!IsCommon(ScriptOf(characters[i].value))) return false;
  }
  return true;
}

// Blanks, digits and punctuation stay in the face of the letters before them, so that a word
// of another alphabet is shaped with its neighbours.
const FontFace* ClusterFace(const std::vector<CodePoint>& characters, std::size_t first,
                            std::size_t last, const FontFace& primary, const FontFace* previous,
                            std::string_view metric_name, std::u32string& missing) {
  if (previous != nullptr && previous != &primary && AllCommon(characters, first, last) &&
      Covers(*previous, characters, first, last)) {
    return previous;
  }
  if (Covers(primary, characters, first, last)) return &primary;
  for (std::size_t i = first; i < last; ++i) {
    const char32_t c = characters[i].value;
    if (IsIgnorable(c) || primary.Has(c)) continue;
    const FontFace* face = FaceLibrary::Instance().FaceFor(c, metric_name);
    if (face != nullptr && Covers(*face, characters, first, last)) return face;
  }
  for (std::size_t i = first; i < last; ++i) {
    const char32_t c = characters[i].value;
    if (!IsIgnorable(c) && !primary.Has(c) && missing.find(c) == std::u32string::npos) {
      missing += c;
    }
  }
  return &primary;  // its .notdef glyph marks the place
}

void Extend(std::vector<Item>& items, std::size_t first, std::size_t last, const FontFace* face,
            FriBidiLevel level, hb_script_t script) {
  if (!items.empty()) {
    Item& open = items.back();
    const bool same_script = IsCommon(script) || IsCommon(open.script) || script == open.script;
    if (open.face == face && open.level == level && same_script) {
      open.last = last;
      if (IsCommon(open.script)) open.script = script;
      return;
    }
  }
  items.push_back({first, last, face, level, script});
}

hb_script_t StrongScript(const std::vector<CodePoint>& characters, std::size_t first,
                         std::size_t last) {
  for (std::size_t i = first; i < last; ++i) {
    hb_script_t script = ScriptOf(characters[i].value);
    if (!IsCommon(script)) return script;
  }
  return HB_SCRIPT_COMMON;
}

std::vector<Item> Itemise(const std::vector<CodePoint>& characters, const FontFace& primary,
                          std::string_view metric_name, std::u32string& missing) {
  const std::vector<bool> starts = ClusterStarts(characters);
  const std::vector<FriBidiLevel> levels = BidiLevels(characters);
  std::vector<Item> items;
  const FontFace* previous = nullptr;
  for (std::size_t first = 0; first < characters.size();) {
    std::size_t last = first + 1;
    while (last < characters.size() && !starts[last]) ++last;
    const FontFace* face =
        ClusterFace(characters, first, last, primary, previous, metric_name, missing);
    Extend(items, first, last, face, levels[first], StrongScript(characters, first, last));
    previous = face;
    first = last;
  }
  return items;
}

// Visual order of the items (rule L2): from the highest level down to the lowest odd one,
// every stretch at that level or above is reversed.
void Reorder(std::vector<Item>& items) {
  if (items.empty()) return;
  int highest = 0, lowest_odd = FRIBIDI_BIDI_MAX_RESOLVED_LEVELS + 1;
  for (const Item& item : items) {
    highest = std::max(highest, static_cast<int>(item.level));
    if (item.level % 2 == 1) lowest_odd = std::min(lowest_odd, static_cast<int>(item.level));
  }
  for (int level = highest; level >= lowest_odd; --level) {
    for (auto it = items.begin(); it != items.end();) {
      if (it->level < level) {
        ++it;
        continue;
      }
      auto end = std::find_if(it, items.end(), [level](const Item& i) { return i.level < level; });
      std::reverse(it, end);
      it = end;
    }
  }
}

void ShapeItem(std::string_view text, const std::vector<CodePoint>& characters, const Item& item,
               ShapedText& shaped) {
  std::unique_ptr<hb_buffer_t, decltype(&hb_buffer_destroy)> buffer(hb_buffer_create(),
                                                                    &hb_buffer_destroy);
  const std::size_t begin = characters[item.first].begin;
  const std::size_t end = item.last < characters.size() ? characters[item.last].begin : text.size();
  hb_buffer_add_utf8(buffer.get(), text.data(), static_cast<int>(text.size()),
                     static_cast<unsigned>(begin), static_cast<int>(end - begin));
  hb_buffer_set_direction(buffer.get(), item.level % 2 ? HB_DIRECTION_RTL : HB_DIRECTION_LTR);
  if (!IsCommon(item.script)) hb_buffer_set_script(buffer.get(), item.script);
  hb_buffer_guess_segment_properties(buffer.get());
  hb_shape(item.face->font, buffer.get(), nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer.get(), &count);
  const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer.get(), &count);
  const FontFace& face = *item.face;
  for (unsigned i = 0; i < count; ++i) {
    const std::size_t cluster = infos[i].cluster;
    const double advance = face.Thousandths(positions[i].x_advance);
    shaped.glyphs.push_back({&face, infos[i].codepoint, advance,
                             face.Thousandths(positions[i].x_offset),
                             face.Thousandths(positions[i].y_offset), cluster,
                             cluster < text.size() && text[cluster] == ' ', item.level % 2 == 1});
    shaped.width += advance;
  }
}

}  // namespace

ShapedText ShapeText(std::string_view text, const FontFace& primary, std::string_view metric_name) {
  ShapedText shaped;
  const std::vector<CodePoint> characters = CodePoints(text);
  std::vector<Item> items = Itemise(characters, primary, metric_name, shaped.missing);
  Reorder(items);
  for (const Item& item : items) {
    ShapeItem(text, characters, item, shaped);
    shaped.right_to_left |= item.level % 2 == 1;
  }
  return shaped;
}

}  // namespace pdf

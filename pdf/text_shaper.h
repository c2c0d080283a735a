// SPDX-License-Identifier: EUPL-1.2
// A Unicode text turned into the glyphs that draw it: each grapheme cluster in the first face
// that has it, right-to-left runs put in visual order (FriBidi), each run shaped (HarfBuzz).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/font_face.h"

namespace pdf {

struct ShapedGlyph {
  const FontFace* face;
  std::uint32_t glyph;                 // in the face
  double advance, x_offset, y_offset;  // thousandths of the font size
  std::size_t cluster;                 // byte of the text where its cluster starts
  bool blank;                          // a space: justified lines widen it
  bool right_to_left;                  // shaped in a right-to-left run
};

struct ShapedText {
  std::vector<ShapedGlyph> glyphs;  // left to right, as drawn
  double width = 0;                 // thousandths of the font size
  std::u32string missing;           // characters no installed face has
  bool right_to_left = false;       // some of it runs right to left
};

// `text` is NFC and well-formed. Characters `primary` lacks go to the face fontconfig picks
// for them in the style of `metric_name`.
ShapedText ShapeText(std::string_view text, const FontFace& primary, std::string_view metric_name);

}  // namespace pdf

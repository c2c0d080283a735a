// SPDX-License-Identifier: EUPL-1.2
// The glyphs a document uses cut out of their face (hb-subset): the font program embedded.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "pdf/font_face.h"

namespace pdf {

struct FontProgram {
  std::string bytes;                                 // a TrueType file, or a bare CFF table
  std::map<std::uint32_t, std::uint32_t> new_glyph;  // the face's glyph: its glyph in the subset
};

// The face's glyphs a document draws, each with the text it stands for (empty when none).
using GlyphTexts = std::map<std::uint32_t, std::string_view>;

// Nothing when HarfBuzz cannot cut the face.
std::optional<FontProgram> SubsetFont(const FontFace& face, const GlyphTexts& glyphs);

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// Character widths read from an Adobe Font Metrics file.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace pdf {

// Widths in thousandths of the font size, indexed by byte code; code 0 is always 0.
using WidthTable = std::array<std::int16_t, 256>;

// Reads the metrics section: lines after "StartCharMetrics" up to the first line holding
// "EndCharMetrics" or "-1 ;". Codes outside 1..255 are skipped; codes below the first or
// above the last code read keep width 0.
// The lines are those of the whole file's text, ended by LF or CR LF.
WidthTable ParseAfmWidths(std::string_view text);

// Sum of the widths of the bytes of the text, scaled to `size` points.
double MeasureWidth(const WidthTable& widths, std::string_view bytes, double size);

}  // namespace pdf

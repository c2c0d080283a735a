// SPDX-License-Identifier: EUPL-1.2
// Font names: the base names composed from a family and a style, and the standard font
// each metric file name stands for in the file.
#pragma once

#include <string>
#include <string_view>

namespace pdf {

// Family "Helvetica", "Courier", "Times", "Symbol" or "ZapfDingbats" with its style, written
// over `name`.
void ComposeFontName(std::string& name, std::string_view family, bool italic, bool bold);

// The /BaseFont a metric file name is written as: the composed names "TimesItalic" and
// "TimesRoman" are not standard font names, so readers are given the fonts they measure.
std::string BaseFontName(const std::string& metric_name);

// Symbol and ZapfDingbats: their metric files keep the fonts' own codes, so they are drawn
// with their built-in encoding, never through WinAnsiEncoding.
bool HasBuiltInEncoding(const std::string& metric_name);

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// How a cell's text is broken into lines, over any units: the bytes of a Windows-1252 text,
// the grapheme clusters of a Unicode one.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace pdf {

struct LinePiece {
  std::size_t begin, end;  // units, end excluded
  bool last;               // ends a paragraph: last line of the cell or ended by a forced break
};

// `units` tells its size(), the first byte of unit i (Char) and its width in points (Width).
// A line ends at its last blank before it grows wider than `room`, or before the unit that
// overflows when it has no blank; CR, LF and CR LF end a line.
template <typename Units>
std::vector<LinePiece> BreakIntoLines(const Units& units, double room) {
  auto is_break = [](char c) { return c == '\r' || c == '\n'; };
  const std::size_t size = units.size();
  std::vector<LinePiece> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  std::size_t blank = std::string::npos;
  double used = 0;
  bool wrapped = false;  // the line in progress was opened by a wrap, not by the text
  auto cut = [&](std::size_t end, std::size_t next, bool forced) {
    lines.push_back({start, end, forced});
    start = i = next;
    blank = std::string::npos;
    used = 0;
    wrapped = !forced;
  };
  while (i < size) {
    const char c = units.Char(i);
    if (c == ' ' && wrapped && i == start) {
      start = ++i;  // a wrap already separates the words: a cell narrower than a blank
      continue;     // would otherwise turn every blank into an empty line
    }
    if (is_break(c)) {
      const bool crlf = c == '\r' && i + 1 < size && units.Char(i + 1) == '\n';
      cut(i, i + (crlf ? 2 : 1), true);
      continue;
    }
    if (c == ' ') blank = i;
    used += units.Width(i);
    if (used <= room) {
      ++i;
    } else if (blank != std::string::npos) {
      cut(blank, blank + 1, false);
    } else {
      const std::size_t end = std::max(i, start + 1);  // at least one unit per line
      cut(end, end, false);
    }
  }
  // A break at the very end of the text opens no empty line.
  if (start < size || lines.empty()) lines.push_back({start, size, true});
  return lines;
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// Texts in any alphabet as a script of the writer's text calls, so that any bytes make a
// document: the Unicode text fuzz target plays its input, and the tests of the Unicode runs
// write their cases as its seeds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "pdf/vaROR.h"

namespace textscript {

// Each call: an operation byte (taken modulo kOperationCount), then its arguments as the
// Reader reads them; "text" is a long text (ReadLongText).
enum class Op : std::uint8_t {
  Text,        // text, x, y
  Cell,        // text, x, y, w, h
  Link,        // x, y, text, target text
  Measure,     // text, size byte
  Font,        // family byte, size byte, style byte
  FontFile,    // path text, size byte
  Alignment,   // byte
  Border,      // byte
  Rotation,    // number
  CellMargin,  // number
  Count
};
inline constexpr int kOperationCount = static_cast<int>(Op::Count);

// A head, then a piece repeated a number of times, then a tail: a short input makes a
// cluster of hundreds of marks or a text of many lines. At most kLongestText bytes.
inline constexpr std::size_t kLongestText = 8192;
std::string ReadLongText(fuzzinput::Reader& in);
fuzzinput::Writer& WriteLongText(fuzzinput::Writer& out, std::string_view head,
                                 std::string_view piece = {}, std::uint8_t times = 0,
                                 std::string_view tail = {});

// Plays the script on a writer whose document is open.
void Play(pdf::vaROR& pdf, fuzzinput::Reader& script);

}  // namespace textscript

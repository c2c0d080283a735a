// SPDX-License-Identifier: EUPL-1.2
// Unicode text as the writer's Unicode fonts take it: normalised, split into characters and
// into the clusters a reader sees as one letter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pdf {

// One character of a UTF-8 text and where its bytes start.
struct CodePoint {
  char32_t value;
  std::size_t begin;
};

// NFC: a name typed with combining accents prints as its precomposed form. Malformed
// sequences become U+FFFD first.
std::string Nfc(std::string_view utf8);

// The characters of a well-formed UTF-8 text.
std::vector<CodePoint> CodePoints(std::string_view utf8);

// Whether a grapheme cluster starts at each character: a line never breaks elsewhere.
std::vector<bool> ClusterStarts(const std::vector<CodePoint>& characters);

// Characters that draw nothing by themselves (joiners, bidi controls): no font needs them.
bool IsIgnorable(char32_t character);

}  // namespace pdf

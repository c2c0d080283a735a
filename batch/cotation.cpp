// SPDX-License-Identifier: EUPL-1.2
#include "batch/cotation.h"

#include <string>

namespace batch {
namespace {

constexpr std::string_view kAdverbes = "STCH";
constexpr std::string_view kNeFaitPas = "NFP";

}  // namespace

std::optional<std::bitset<4>> LitCotation(std::string_view cellule) {
  std::string lettres;
  for (const char c : cellule) {
    if (c == ' ' || c == '\t') continue;
    lettres += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  std::bitset<4> adverbes;
  if (lettres == kNeFaitPas) return adverbes.set();
  for (const char c : lettres) {
    const std::size_t j = kAdverbes.find(c);
    if (j == std::string_view::npos || adverbes[j]) return std::nullopt;
    adverbes[j] = true;
  }
  return adverbes;
}

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
#include "batch/summary_text.h"

namespace batch {

std::string SansFormule(std::string_view texte) {
  const bool formule =
      !texte.empty() && std::string_view("=+-@\t\r").find(texte[0]) != std::string_view::npos;
  return (formule ? "'" : "") + std::string(texte);
}

// LibreOffice's default import splits at ";", "," and tab together: each is quoted, or a
// decimal comma would cut a number in two.
std::string ChampCsv(std::string_view texte) {
  const std::string sur = SansFormule(texte);
  if (sur.find_first_of(";,\t\"\r\n") == std::string::npos) return sur;
  std::string cite = "\"";
  for (const char c : sur) cite += c == '"' ? std::string("\"\"") : std::string(1, c);
  return cite + '"';
}

}  // namespace batch

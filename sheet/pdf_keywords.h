// SPDX-License-Identifier: EUPL-1.2
// The keywords of a PDF's document information, read through libqpdf. Kept apart, in plain
// C++17, because qpdf's headers do not compile as C++20 under clang 14.
#pragma once

#include <cstdio>
#include <string>

namespace fiche {

enum class LecturePdf {
  Lue,         // the keywords, empty when the document has none
  Protegee,    // a password is needed
  Endommagee,  // damaged, truncated, not a PDF
};

// Reads the PDF open in `flux`, which it closes; `nom` names it in qpdf's reports.
LecturePdf LitMotsCles(std::FILE* flux, const std::string& nom, std::string& mots);

}  // namespace fiche

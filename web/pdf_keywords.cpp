// SPDX-License-Identifier: EUPL-1.2
// A PDF's keywords as the sheet reader asks for them (sheet/pdf_keywords.h), read by the
// browser's PDF reader (PDF.js) instead of libqpdf, which the page does not have.
#include "sheet/pdf_keywords.h"

#include <string>

#include "web/page_calls.h"

namespace fiche {

LecturePdf LitMotsCles(std::FILE* flux, const std::string&, std::string& mots) {
  std::string octets;
  char bloc[65536];
  for (std::size_t lus; (lus = std::fread(bloc, 1, sizeof bloc, flux)) > 0;)
    octets.append(bloc, lus);
  const bool lu = !std::ferror(flux);
  std::fclose(flux);
  if (!lu) return LecturePdf::Endommagee;
  const std::string reponse = page::PdfKeywords(octets);
  if (reponse.empty() || reponse[0] == 'E') return LecturePdf::Endommagee;
  if (reponse[0] == 'P') return LecturePdf::Protegee;
  mots = reponse.substr(1);
  return LecturePdf::Lue;
}

}  // namespace fiche

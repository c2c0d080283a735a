// SPDX-License-Identifier: EUPL-1.2
// Writes pages of long justified cells from the command line, so that whole processes can be
// measured (valgrind): cell_pages N FILE writes N pages, each one bordered, justified cell of
// 2,000 characters of French and 20 short texts.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "pdf/vaROR.h"
#include "test_support/recording_host.h"

namespace {

std::string FrenchText() {
  const std::string sentence =
      "La personne âgée se déplace à l'intérieur du logement, s'habille et mange seule ; "
      "l'évaluation relève où l'aide est nécessaire. ";
  std::string text;
  while (text.size() < 2000) text += sentence;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const long pages = argc == 3 ? std::strtol(argv[1], nullptr, 10) : 0;
  if (pages < 1) {
    std::fprintf(stderr, "usage: %s N FILE   (N from 1)\n", argv[0]);
    return 2;
  }
  const std::string text = FrenchText();
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(argv[2]);
  writer.PDFSetUnit(0);
  writer.PDFBeginDoc();
  writer.PDFSetAlignement(3);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) {
      writer.PDFEndPage();
      writer.PDFNewPage();
    }
    writer.PDFSetFont(page % 3, 10, page % 2);  // Helvetica, Courier, Times; plain or italic
    writer.PDFSetTextColor(page % 2 ? 255 : 0);
    writer.PDFSetBorder(1);
    writer.PDFCell(text, 40, 40, 500, 12);
    for (int line = 0; line < 20; ++line) {
      writer.PDFTextOut("Évaluation " + std::to_string(line), 40, 600 + line * 10);
    }
  }
  writer.PDFEndDoc();
  return 0;
}

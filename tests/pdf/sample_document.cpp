// SPDX-License-Identifier: EUPL-1.2
#include "sample_document.h"

namespace pdftest {
namespace {

const char* const kParagraph =
    "L'évaluation de l'autonomie s'appuie sur la grille nationale AGGIR : chaque activité est "
    "codée A, B ou C selon que la personne la fait seule, spontanément, totalement, "
    "correctement et habituellement. Le groupe iso-ressources qui en découle oriente l'aide à "
    "domicile et le montant de l'allocation personnalisée d'autonomie.";

// Page 1, A4 portrait: texts, a justified framed cell, rotation, underline, web links.
void TextPage(pdf::vaROR& writer) {
  writer.PDFSetFont(0, 14, 2);
  writer.PDFTextOut("Évaluation à domicile", 40, 60);
  writer.PDFSetFont(2, 11);
  writer.PDFSetAlignement(3);
  writer.PDFSetBorder(1);
  writer.PDFCell(kParagraph, 40, 90, 300, 14);
  writer.PDFSetFont(2, 11, 1);
  writer.PDFSetRotation(30);
  writer.PDFTextOut("Texte tourné de 30°", 300, 400);
  writer.PDFSetFont(1, 10, 3);
  writer.PDFTextOut("Soulignée", 40, 500);
  writer.PDFSetFont(0, 10);
  writer.PDFLink(40, 520, "Site de la CNSA", "https://www.cnsa.fr/");
  writer.PDFLink(40, 540, "Service-public.fr");
}

void Captions(pdf::vaROR& writer, double y, const char* left, const char* middle,
              const char* right) {
  writer.FormatArial8i(left, 40, y);
  writer.FormatArial8i(middle, 220, y);
  writer.FormatArial8i(right, 400, y);
}

void Rectangles(pdf::vaROR& writer) {
  writer.PDFSetLineWidth(1.5);
  writer.PDFSetDrawMode(0);
  writer.PDFSetLineColor("#1F4E79");
  writer.PDFDrawRectangle(40, 80, 150, 60, "https://www.cnsa.fr/");
  writer.PDFSetDrawMode(1);
  writer.PDFSetDrawColor(0xF0C379);  // 0xBBGGRR: a light blue
  writer.PDFDrawRectangle(220, 80, 150, 60);
  writer.PDFSetDrawMode(2);
  writer.PDFSetDrawColor({255, 192, 0});
  writer.PDFSetLineColor({192, 0, 0});
  writer.PDFDrawRectangle(400, 80, 150, 60);
  Captions(writer, 152, "Contour, lien", "Rempli", "Rempli et bordé");
}

void Ellipses(pdf::vaROR& writer) {
  writer.PDFSetLineStyle(1);
  writer.PDFSetDrawMode(0);
  writer.PDFSetLineColor("#375623");
  writer.PDFDrawEllipse(40, 170, 150, 60, "https://www.service-public.fr/");
  writer.PDFSetLineStyle(0);
  writer.PDFSetDrawMode(1);
  writer.PDFSetDrawColor("#A9D08E");
  writer.PDFDrawEllipse(265, 170, 60);  // a circle
  writer.PDFSetDrawMode(2);
  writer.PDFSetDrawColor(0x99E6FF);
  writer.PDFDrawEllipse(400, 170, 150, 60);
  Captions(writer, 242, "Ellipse pointillée, lien", "Cercle rempli", "Ellipse remplie et bordée");
}

void Polygons(pdf::vaROR& writer) {
  writer.PDFSetLineColor(0);
  writer.PDFSetDrawMode(0);
  writer.PDFDrawPolygon({40, 320, 115, 260, 190, 320});
  writer.PDFSetDrawMode(1);
  writer.PDFSetDrawColor("#C00000");
  writer.PDFDrawPolygon({295, 256, 304, 280, 329, 281, 309, 297, 316, 321,
                         295, 307, 274, 321, 281, 297, 261, 281, 286, 280});
  writer.PDFSetDrawMode(2);
  writer.PDFSetDrawColor("#D9D9D9");
  writer.PDFDrawPolygon({440, 260, 510, 260, 545, 290, 510, 320, 440, 320, 405, 290});
  Captions(writer, 332, "Triangle", "Étoile remplie", "Hexagone rempli et bordé");
}

void Lines(pdf::vaROR& writer) {
  writer.PDFSetLineColor(0x7F3F00);
  for (int style = 0; style <= 3; ++style) {
    writer.PDFSetLineStyle(style);
    writer.PDFSetLineWidth(0.5 + style);
    writer.PDFDrawLineHor(40, 360 + 18 * style, 330);
  }
  writer.PDFSetLineStyle(0);
  writer.PDFSetLineWidth(1);
  writer.PDFSetLineColor("#7030A0");
  for (int ray = 0; ray <= 6; ++ray) writer.PDFDrawLine(400, 430, 400 + 25 * ray, 360);
  writer.PDFDrawLineVer(550, 360, 70);
  Captions(writer, 442, "Plein, tirets, tiret-point, tiret-point-point", "", "Traits libres");
}

void Presets(pdf::vaROR& writer) {
  writer.FormatArial15B("Arial 15 gras", 40, 480);
  writer.FormatArial12B("Arial 12 gras", 40, 500);
  writer.FormatArial12("Arial 12", 40, 516);
  writer.FormatArial10B("Arial 10 gras", 40, 532);
  writer.FormatArial10i("Arial 10 italique", 40, 546);
  writer.FormatArial10("Arial 10", 40, 560);
  writer.FormatArial8i("Arial 8 italique", 40, 574);
  writer.FormatArial8("Arial 8", 40, 586);
  writer.PDFSetDrawColor("#DDEBF7");
  writer.PDFSetDrawMode(1);
  writer.PDFDrawRectangle(217, 470, 330, 60);  // behind the cells, which start a margin left
  writer.FormatTableauG("Tableau à gauche", 220, 470, 330, 20);
  writer.FormatTableauD("Tableau à droite", 220, 490, 330, 20);
  writer.PDFSetTextColor("#1F4E79");
  writer.PDFSetLineColor("#1F4E79");
  writer.PDFSetBorder(1);
  writer.PDFSetAlignement(0);
  writer.PDFCell("Cellule avec lien", 220, 510, 330, 20,
                 "https://www.pour-les-personnes-agees.gouv.fr/");
}

// Calls the writer reports and refuses; the file stays valid.
void RefusedInput(pdf::vaROR& writer) {
  writer.PDFSetDrawMode(7);
  writer.PDFSetLineColor("vert");
  writer.PDFSetDrawColor({0, 0, 300});
  writer.PDFSetLineStyle(-1);
  writer.PDFSetLineWidth(-2);
  writer.PDFDrawPolygon({1, 2, 3});
  writer.PDFDrawRectangle(40, 600, 0, 10);
  writer.PDFDrawEllipse(40, 600, -5);
}

// Page 4, A4 portrait: the three colour forms, widths, dash styles, draw modes, every shape,
// links on a rectangle, an ellipse and a cell, the ten presets, and refused input.
void GraphicsPage(pdf::vaROR& writer) {
  writer.FormatArial15B("Couleurs, traits et formes", 40, 50);
  Rectangles(writer);
  Ellipses(writer);
  Polygons(writer);
  Lines(writer);
  Presets(writer);
  RefusedInput(writer);
}

}  // namespace

void WriteSample(pdf::vaROR& writer, const std::filesystem::path& file) {
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(file.string());
  writer.PDFTitle("Fiche d'évaluation (essai)");
  writer.PDFAuthor("Équipe médico-sociale");
  writer.PDFSetUnit(0);
  writer.PDFSetZoomMode(1);
  writer.PDFSetLayoutMode(3);
  writer.PDFBeginDoc();
  TextPage(writer);
  writer.PDFEndPage();
  writer.PDFFormatPage(1);
  writer.PDFOrientation(0);
  writer.PDFNewPage();
  writer.PDFSetAlignement(0);
  writer.PDFSetBorder(2345);
  writer.PDFSetFill(false);
  writer.PDFCell("Page deux : « GIR 4 »\r\nCentrée sur deux lignes", 100, 100, 400, 20);
  writer.PDFEndPage();
  writer.PDFFormatPage(3);
  writer.PDFNewPage();
  writer.PDFSetFont(1, 9);
  writer.PDFTextOut("Troisième page, format lettre", 40, 40);
  writer.PDFEndPage();
  writer.PDFFormatPage(0);
  writer.PDFNewPage();
  GraphicsPage(writer);
  writer.PDFEndDoc();
}

}  // namespace pdftest

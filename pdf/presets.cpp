// SPDX-License-Identifier: EUPL-1.2
// One-call text styles: a font, a size, a style and the colours, then one text or cell.
// The settings stay in force afterwards.
#include "pdf/vaROR.h"
#include "platform/colour.h"

namespace pdf {
namespace {

constexpr std::int32_t kArial = 0;
constexpr std::int32_t kRegular = 0, kItalic = 1, kBold = 2;
constexpr std::int32_t kAlignLeft = 1, kAlignRight = 2;

}  // namespace

void vaROR::FormatArial8(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 8, kRegular);
}
void vaROR::FormatArial8i(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 8, kItalic);
}
void vaROR::FormatArial10(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 10, kRegular);
}
void vaROR::FormatArial10i(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 10, kItalic);
}
void vaROR::FormatArial10B(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 10, kBold);
}
void vaROR::FormatArial12(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 12, kRegular);
}
void vaROR::FormatArial12B(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 12, kBold);
}
void vaROR::FormatArial15B(const std::string& Texte, double X, double Y) {
  TextPreset(Texte, X, Y, 15, kBold);
}

void vaROR::FormatTableauG(const std::string& Texte, double X, double Y, double L, double e) {
  TablePreset(Texte, X, Y, L, e, kAlignLeft);
}

void vaROR::FormatTableauD(const std::string& Texte, double X, double Y, double L, double e) {
  TablePreset(Texte, X, Y, L, e, kAlignRight);
}

void vaROR::TextPreset(const std::string& text, double X, double Y, int size, std::int32_t style) {
  PDFSetFont(kArial, size, style);
  PDFSetTextColor(platform::kBlack);
  PDFTextOut(text, X, Y);
}

void vaROR::TablePreset(const std::string& text, double X, double Y, double L, double e,
                        std::int32_t alignment) {
  PDFSetFont(kArial, 10, kRegular);
  PDFSetTextColor(platform::kBlack);
  PDFSetDrawColor(platform::kWhite);
  PDFSetLineColor(platform::kWhite);
  PDFSetBorder(0);
  PDFSetLineWidth(1.0);
  PDFSetAlignement(alignment);
  PDFCell(text, X, Y, L, e, "");
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// Page geometry, units, view and document information.
#include <array>
#include <cmath>

#include "pdf/format.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

struct PageFormat {
  double width, height;  // points, portrait
};
constexpr std::array<PageFormat, 5> kFormats = {
    {{595.28, 841.89}, {841.89, 1190.55}, {420.94, 595.28}, {612, 792}, {612, 1008}}};
constexpr std::array<double, 3> kScales = {1.0, 72.0 / 25.4, 72.0 / 2.54};
constexpr std::array<const char*, 3> kUnits = {"pt", "mm", "cm"};

// Page sides readers accept: from 3 points to 200 inches.
bool IsPageSide(double points) { return points >= 3 && points <= 14400; }

}  // namespace

std::size_t vaROR::EnsureSlot() {
  auto slot = static_cast<std::size_t>(std::max(in_PageSlot, 1));
  while (tab_PageWidth.size() <= slot) {
    tab_PageWidth.push_back(tab_PageWidth.back());
    tab_PageHeight.push_back(tab_PageHeight.back());
  }
  return slot;
}

void vaROR::SetSlotSize(double width, double height) {
  auto slot = EnsureSlot();
  tab_PageWidth[slot] = width;
  tab_PageHeight[slot] = height;
}

void vaROR::PDFSetZoomMode(std::int32_t pZoomMode) { in_ZoomMode = pZoomMode; }
std::int32_t vaROR::PDFGetZoomMode() const { return in_ZoomMode; }
void vaROR::PDFUseThumbs(bool thumbs) { boThumbs = thumbs; }
void vaROR::PDFUseOutlines(bool outlines) { boOutlines = outlines; }

void vaROR::PDFSetLayoutMode(std::int32_t pLayoutMode) {
  in_LayoutMode =
      CheckedCode(pLayoutMode, 3, 0,
                  "Layout incorrect : ", "Le Layout utilisé sera le layout simple.", "Layout Mode");
}

std::int32_t vaROR::PDFGetLayoutMode() const { return in_LayoutMode; }

void vaROR::PDFSetUnit(std::int32_t code) {
  code = CheckedCode(code, 2, 2, "Code unité de mesure incorrect : ",
                     "L'Unité de Mesure utilisée sera le centimètre.", "Code Unité de Mesure");
  in_Scale = kScales[static_cast<std::size_t>(code)];
}

std::string vaROR::PDFGetUnit() const {
  for (std::size_t i = 0; i < kScales.size(); ++i) {
    if (in_Scale == kScales[i]) return kUnits[i];
  }
  return "";
}

void vaROR::RejectFormat(const std::string& shown, const char* ending) {
  ShowCritical("Code format de page incorrect : " + shown + ".\r\n" +
                   "Le Format de page utilisé sera le format A4" + ending,
               "Format de Page");
  SetSlotSize(kFormats[0].width, kFormats[0].height);
}

void vaROR::PDFFormatPage(std::int32_t code) {
  if (code < 0 || code >= static_cast<std::int32_t>(kFormats.size())) {
    RejectFormat(std::to_string(code), ".");
    return;
  }
  const auto& format = kFormats[static_cast<std::size_t>(code)];
  SetSlotSize(format.width, format.height);
}

void vaROR::PDFFormatPage(const std::array<double, 2>& size) {
  if (!IsPageSide(size[0]) || !IsPageSide(size[1])) {
    RejectFormat(MessageNumber(size[0]) + " x " + MessageNumber(size[1]), ".");
    return;
  }
  SetSlotSize(size[0], size[1]);
}

void vaROR::PDFFormatPage(const std::string& text) { RejectFormat(text, ""); }

void vaROR::PDFOrientation(std::int32_t str_Orientation) {
  auto slot = EnsureSlot();
  double width = std::nearbyint(tab_PageWidth[slot]);
  double height = std::nearbyint(tab_PageHeight[slot]);
  const bool landscape = CheckedCode(str_Orientation, 1, 1, "Code orientation de page incorrect : ",
                                     "L'Orientation de la page sera le mode portrait.",
                                     "Type d'Orientation de Page") == 0;
  if (landscape) {
    SetSlotSize(height, width);
  } else {
    SetSlotSize(width, height);
  }
}

void vaROR::PDFPageWidth(double in_PageWidth) {
  if (!IsPageSide(in_PageWidth)) return RejectFormat(MessageNumber(in_PageWidth), ".");
  tab_PageWidth[EnsureSlot()] = in_PageWidth;
}

void vaROR::PDFPageHeight(double in_PageHeight) {
  if (!IsPageSide(in_PageHeight)) return RejectFormat(MessageNumber(in_PageHeight), ".");
  tab_PageHeight[EnsureSlot()] = in_PageHeight;
}

double vaROR::PDFGetPageWidth() const {
  return tab_PageWidth[std::min(static_cast<std::size_t>(in_PageSlot), tab_PageWidth.size() - 1)];
}

double vaROR::PDFGetPageHeight() const {
  return tab_PageHeight[std::min(static_cast<std::size_t>(in_PageSlot), tab_PageHeight.size() - 1)];
}

void vaROR::PDFSetLeftMargin(double in_left) { in_LeftMargin = RoundToInt16(in_left); }
void vaROR::PDFSetTopMargin(double in_top) { in_TopMargin = RoundToInt16(in_top); }
void vaROR::PDFSetRightMargin(double in_right) { in_RightMargin = RoundToInt16(in_right); }
void vaROR::PDFSetBottomMargin(double in_bottom) { in_BottomMargin = RoundToInt16(in_bottom); }
double vaROR::PDFGetLeftMargin() const { return in_LeftMargin; }
double vaROR::PDFGetTopMargin() const { return in_TopMargin; }
double vaROR::PDFGetRightMargin() const { return in_RightMargin; }
double vaROR::PDFGetBottomMargin() const { return in_BottomMargin; }
void vaROR::PDFSetCellMargin(double in_cell) { in_CellMargin = RoundToInt16(in_cell); }
double vaROR::PDFGetCellMargin() const { return in_CellMargin; }

void vaROR::PDFSetMargins(int in_left, int in_top, int in_right, int in_bottom) {
  PDFSetLeftMargin(in_left);
  PDFSetTopMargin(in_top);
  PDFSetRightMargin(in_right == -1 ? in_left : in_right);
  PDFSetBottomMargin(in_bottom == -1 ? in_top : in_bottom);
}

int vaROR::PDFGetX() const { return RoundToInt16(in_X); }
int vaROR::PDFGetY() const { return RoundToInt16(in_Y); }
int vaROR::PDFPageNumber() const { return in_PageCount; }
int vaROR::PDFNbPage() const { return static_cast<int>(tab_PageContents.size()) - 1; }

void vaROR::PDFTitle(const std::string& text) { str_Title = text; }
void vaROR::PDFAuthor(const std::string& text) { str_Author = text; }
void vaROR::PDFCreator(const std::string& text) { str_Creator = text; }
void vaROR::PDFKeywords(const std::string& text) { str_Keywords = text; }
void vaROR::PDFSubject(const std::string& text) { str_Subject = text; }
void vaROR::PDFProducer(const std::string& text) { str_Producer = text; }

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// The sheet's page drawn by libharu (Debian libhpdf-dev) through its public API, with its
// own metrics of the standard fonts. libharu's origin is the bottom-left corner.
#include <hpdf.h>

#include <stdexcept>
#include <string>

#include "platform/encoding.h"
#include "sheet/sheet.h"
#include "sheet_documents.h"
#include "test_support/recording_host.h"

namespace sheetbench {
namespace {

void Fail(HPDF_STATUS error, HPDF_STATUS detail, void*) {
  throw std::runtime_error("libharu error " + std::to_string(error) + "/" + std::to_string(detail));
}

class FicheHaru : public fiche::PageFiche {
 public:
  FicheHaru(HPDF_Doc pdf, HPDF_Page page)
      : page_(page),
        regular_(HPDF_GetFont(pdf, "Helvetica", "WinAnsiEncoding")),
        bold_(HPDF_GetFont(pdf, "Helvetica-Bold", "WinAnsiEncoding")),
        height_(HPDF_Page_GetHeight(page)) {}

  void Texte(const std::string& texte, double x, double y) override {
    Write(regular_, 10, texte, x, y);
  }
  void ADroite(const std::string& texte, double droite, double y) override {
    const std::string bytes = platform::ToWindows1252(texte);
    HPDF_Page_SetFontAndSize(page_, regular_, 10);
    WriteBytes(bytes, droite - HPDF_Page_TextWidth(page_, bytes.c_str()), y);
  }
  void Titre(const std::string& texte, double y) override {
    const std::string bytes = platform::ToWindows1252(texte);
    HPDF_Page_SetFontAndSize(page_, bold_, 15);
    const double width = HPDF_Page_TextWidth(page_, bytes.c_str());
    WriteBytes(bytes, (HPDF_Page_GetWidth(page_) - width) / 2, y);
  }
  void Gras(const std::string& texte, double x, double y) override {
    Write(bold_, 10, texte, x, y);
  }
  void Petit(const std::string& texte, double x, double y) override {
    Write(regular_, 8, texte, x, y);
  }
  void Trait(double x1, double x2, double y, bool) override {
    HPDF_Page_SetGrayStroke(page_, 0);
    HPDF_Page_SetLineWidth(page_, 0.5);
    HPDF_Page_MoveTo(page_, Real(x1), Y(y));
    HPDF_Page_LineTo(page_, Real(x2), Y(y));
    HPDF_Page_Stroke(page_);
  }
  void ReglagesDesCases() override {
    HPDF_Page_SetGrayStroke(page_, 0);
    HPDF_Page_SetLineWidth(page_, 0.5);
  }
  void Case(double x, double y, bool cochee) override {
    HPDF_Page_SetGrayFill(page_, cochee ? 0 : 1);
    HPDF_Page_Rectangle(page_, Real(x), Y(y), 5, 5);
    HPDF_Page_FillStroke(page_);
  }

 private:
  static HPDF_REAL Real(double value) { return static_cast<HPDF_REAL>(value); }
  HPDF_REAL Y(double y) const { return Real(height_ - y); }

  void Write(HPDF_Font font, HPDF_REAL size, const std::string& texte, double x, double y) {
    HPDF_Page_SetFontAndSize(page_, font, size);
    WriteBytes(platform::ToWindows1252(texte), x, y);
  }
  void WriteBytes(const std::string& bytes, double x, double y) {
    HPDF_Page_SetGrayFill(page_, 0);
    HPDF_Page_BeginText(page_);
    HPDF_Page_TextOut(page_, Real(x), Y(y), bytes.c_str());
    HPDF_Page_EndText(page_);
  }

  HPDF_Page page_;
  HPDF_Font regular_, bold_;
  double height_;
};

}  // namespace

void WriteWithLibharu(const std::filesystem::path& file, int pages,
                      const grid::Evaluation& evaluation) {
  HPDF_Doc pdf = HPDF_New(Fail, nullptr);
  HPDF_SetInfoAttr(pdf, HPDF_INFO_TITLE, "Test");
  HPDF_SetPageMode(pdf, HPDF_PAGE_MODE_USE_OUTLINE);
  platform::RecordingHost host;  // its fixed date, as vaROR's sheet has
  for (int number = 1; number <= pages; ++number) {
    HPDF_Page page = HPDF_AddPage(pdf);
    HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
    if (number == 1) {
      HPDF_Outline outline = HPDF_CreateOutline(pdf, nullptr, "Signet1", nullptr);
      HPDF_Outline_SetDestination(outline, HPDF_Page_CreateDestination(page));
    }
    FicheHaru fiche(pdf, page);
    fiche::DessineFiche(fiche, evaluation, host.LocalTime(), file.string());
  }
  HPDF_SaveToFile(pdf, file.string().c_str());
  HPDF_Free(pdf);
}

}  // namespace sheetbench

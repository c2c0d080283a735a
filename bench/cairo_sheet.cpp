// SPDX-License-Identifier: EUPL-1.2
// The sheet's page drawn by cairo's PDF surface (Debian libcairo2-dev) through its public
// API, with the fonts and metrics fontconfig gives it for Helvetica. cairo's origin is the
// top-left corner, as the sheet's.
#include <cairo-pdf.h>
#include <cairo.h>

#include <stdexcept>
#include <string>

#include "sheet/sheet.h"
#include "sheet_documents.h"
#include "test_support/recording_host.h"

namespace sheetbench {
namespace {

constexpr double kA4Width = 595.28, kA4Height = 841.89;

class FicheCairo : public fiche::PageFiche {
 public:
  explicit FicheCairo(cairo_t* cr) : cr_(cr) {}

  void Texte(const std::string& texte, double x, double y) override {
    Write(CAIRO_FONT_WEIGHT_NORMAL, 10, texte, x, y);
  }
  void ADroite(const std::string& texte, double droite, double y) override {
    Select(CAIRO_FONT_WEIGHT_NORMAL, 10);
    WriteSelected(texte, droite - Width(texte), y);
  }
  void Titre(const std::string& texte, double y) override {
    Select(CAIRO_FONT_WEIGHT_BOLD, 15);
    WriteSelected(texte, (kA4Width - Width(texte)) / 2, y);
  }
  void Gras(const std::string& texte, double x, double y) override {
    Write(CAIRO_FONT_WEIGHT_BOLD, 10, texte, x, y);
  }
  void Petit(const std::string& texte, double x, double y) override {
    Write(CAIRO_FONT_WEIGHT_NORMAL, 8, texte, x, y);
  }
  void Trait(double x1, double x2, double y, bool) override {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_set_line_width(cr_, 0.5);
    cairo_move_to(cr_, x1, y);
    cairo_line_to(cr_, x2, y);
    cairo_stroke(cr_);
  }
  void ReglagesDesCases() override { cairo_set_line_width(cr_, 0.5); }
  void Case(double x, double y, bool cochee) override {
    const double fill = cochee ? 0 : 1;
    cairo_rectangle(cr_, x, y - 5, 5, 5);
    cairo_set_source_rgb(cr_, fill, fill, fill);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_stroke(cr_);
  }

 private:
  void Select(cairo_font_weight_t weight, double size) {
    cairo_select_font_face(cr_, "Helvetica", CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cr_, size);
  }
  double Width(const std::string& texte) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, texte.c_str(), &extents);
    return extents.x_advance;
  }
  void Write(cairo_font_weight_t weight, double size, const std::string& texte, double x,
             double y) {
    Select(weight, size);
    WriteSelected(texte, x, y);
  }
  void WriteSelected(const std::string& texte, double x, double y) {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    cairo_move_to(cr_, x, y);
    cairo_show_text(cr_, texte.c_str());
  }

  cairo_t* cr_;
};

}  // namespace

void WriteWithCairo(const std::filesystem::path& file, int pages) {
  cairo_surface_t* surface = cairo_pdf_surface_create(file.string().c_str(), kA4Width, kA4Height);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "Test");
  cairo_pdf_surface_add_outline(surface, CAIRO_PDF_OUTLINE_ROOT, "Signet1", "page=1 pos=[0 40]",
                                static_cast<cairo_pdf_outline_flags_t>(0));
  cairo_t* cr = cairo_create(surface);
  platform::RecordingHost host;  // its fixed date, as vaROR's sheet has
  for (int number = 1; number <= pages; ++number) {
    FicheCairo fiche(cr);
    fiche::DessineFiche(fiche, ExampleEvaluation(), host.LocalTime(), file.string());
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(status));
}

}  // namespace sheetbench

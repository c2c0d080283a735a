// SPDX-License-Identifier: EUPL-1.2
#include "cairo_page.h"

#include <cairo-pdf.h>

#include <stdexcept>

#include "test_support/recording_host.h"

namespace sheetbench {

void CairoPage::Trait(double x1, double x2, double y, bool) {
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_set_line_width(cr_, 0.5);
  cairo_move_to(cr_, x1, y);
  cairo_line_to(cr_, x2, y);
  cairo_stroke(cr_);
}

void CairoPage::ReglagesDesCases() { cairo_set_line_width(cr_, 0.5); }

void CairoPage::Case(double x, double y, bool cochee) {
  const double fill = cochee ? 0 : 1;
  cairo_rectangle(cr_, x, y - 5, 5, 5);
  cairo_set_source_rgb(cr_, fill, fill, fill);
  cairo_fill_preserve(cr_);
  cairo_set_source_rgb(cr_, 0, 0, 0);
  cairo_stroke(cr_);
}

void WriteCairoDocument(const std::filesystem::path& file, int pages,
                        const grid::Evaluation& evaluation, const CairoPageMaker& make) {
  cairo_surface_t* surface = cairo_pdf_surface_create(file.string().c_str(), kA4Width, kA4Height);
  cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "Test");
  cairo_pdf_surface_add_outline(surface, CAIRO_PDF_OUTLINE_ROOT, "Signet1", "page=1 pos=[0 40]",
                                static_cast<cairo_pdf_outline_flags_t>(0));
  cairo_t* cr = cairo_create(surface);
  platform::RecordingHost host;  // its fixed date, as vaROR's sheet has
  for (int number = 1; number <= pages; ++number) {
    const std::unique_ptr<CairoPage> page = make(cr);
    fiche::DessineFiche(*page, evaluation, host.LocalTime(), file.string());
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(status));
}

}  // namespace sheetbench

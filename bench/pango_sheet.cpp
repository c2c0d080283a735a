// SPDX-License-Identifier: EUPL-1.2
// The sheet's page on cairo's PDF surface with pango laying out its texts (Debian
// libpango1.0-dev): HarfBuzz shapes them, fontconfig finds the faces for the characters
// Liberation Sans lacks, as vaROR's Unicode texts are drawn.
#include <pango/pangocairo.h>

#include <string>

#include "cairo_page.h"
#include "sheet_documents.h"

namespace sheetbench {
namespace {

class Font {
 public:
  Font(PangoWeight weight, double size) : description_(pango_font_description_new()) {
    pango_font_description_set_family(description_, "Liberation Sans");
    pango_font_description_set_weight(description_, weight);
    pango_font_description_set_absolute_size(description_, size * PANGO_SCALE);
  }
  ~Font() { pango_font_description_free(description_); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  const PangoFontDescription* get() const { return description_; }

 private:
  PangoFontDescription* description_;
};

class FichePango : public CairoPage {
 public:
  explicit FichePango(cairo_t* cr) : CairoPage(cr), layout_(pango_cairo_create_layout(cr)) {}
  ~FichePango() override { g_object_unref(layout_); }
  FichePango(const FichePango&) = delete;
  FichePango& operator=(const FichePango&) = delete;

  void Texte(const std::string& texte, double x, double y) override {
    Show(Lay(regular_, texte), x, y);
  }
  void ADroite(const std::string& texte, double droite, double y) override {
    Show(Lay(regular_, texte), droite - Width(), y);
  }
  void Titre(const std::string& texte, double y) override {
    Show(Lay(title_, texte), (kA4Width - Width()) / 2, y);
  }
  void Gras(const std::string& texte, double x, double y) override {
    Show(Lay(bold_, texte), x, y);
  }
  void Petit(const std::string& texte, double x, double y) override {
    Show(Lay(small_, texte), x, y);
  }

 private:
  PangoLayout* Lay(const Font& font, const std::string& texte) {
    pango_layout_set_font_description(layout_, font.get());
    pango_layout_set_text(layout_, texte.data(), static_cast<int>(texte.size()));
    return layout_;
  }
  double Width() const {
    int width = 0, height = 0;
    pango_layout_get_size(layout_, &width, &height);
    return static_cast<double>(width) / PANGO_SCALE;
  }
  // cairo's point is the layout's top-left corner; the sheet's y is the baseline.
  void Show(PangoLayout* layout, double x, double baseline) {
    cairo_set_source_rgb(cr_, 0, 0, 0);
    const double ascent = static_cast<double>(pango_layout_get_baseline(layout)) / PANGO_SCALE;
    cairo_move_to(cr_, x, baseline - ascent);
    pango_cairo_show_layout(cr_, layout);
  }

  PangoLayout* layout_;
  const Font regular_{PANGO_WEIGHT_NORMAL, 10}, bold_{PANGO_WEIGHT_BOLD, 10};
  const Font title_{PANGO_WEIGHT_BOLD, 15}, small_{PANGO_WEIGHT_NORMAL, 8};
};

}  // namespace

void WriteWithPango(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation) {
  WriteCairoDocument(file, pages, evaluation,
                     [](cairo_t* cr) { return std::make_unique<FichePango>(cr); });
}

}  // namespace sheetbench

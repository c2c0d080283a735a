// SPDX-License-Identifier: EUPL-1.2
// The sheet's page drawn by cairo's PDF surface (Debian libcairo2-dev) through its public
// API, with the fonts and metrics fontconfig gives it for Helvetica. cairo's origin is the
// top-left corner, as the sheet's.
#include <string>

#include "cairo_page.h"
#include "sheet_documents.h"

namespace sheetbench {
namespace {

class FicheCairo : public CairoPage {
 public:
  using CairoPage::CairoPage;

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
};

}  // namespace

void WriteWithCairo(const std::filesystem::path& file, int pages,
                    const grid::Evaluation& evaluation) {
  WriteCairoDocument(file, pages, evaluation,
                     [](cairo_t* cr) { return std::make_unique<FicheCairo>(cr); });
}

}  // namespace sheetbench

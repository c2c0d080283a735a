// SPDX-License-Identifier: EUPL-1.2
// The sheet's page on cairo's PDF surface: the lines and boxes, and the document around the
// pages. How the texts are drawn is each cairo peer's own (cairo's text API, or pango).
#pragma once

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "grid/evaluation.h"
#include "sheet/sheet.h"

namespace sheetbench {

constexpr double kA4Width = 595.28, kA4Height = 841.89;

class CairoPage : public fiche::PageFiche {
 public:
  explicit CairoPage(cairo_t* cr) : cr_(cr) {}
  void Trait(double x1, double x2, double y, bool couleur) override;
  void ReglagesDesCases() override;
  void Case(double x, double y, bool cochee) override;

 protected:
  cairo_t* cr_;
};

// Writes `pages` pages of the sheet of `evaluation` into `file`, each drawn on the page that
// `make` returns for the document's context. Throws when cairo reports a fault.
using CairoPageMaker = std::function<std::unique_ptr<CairoPage>(cairo_t*)>;
void WriteCairoDocument(const std::filesystem::path& file, int pages,
                        const grid::Evaluation& evaluation, const CairoPageMaker& make);

}  // namespace sheetbench

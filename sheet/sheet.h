// SPDX-License-Identifier: EUPL-1.2
// The evaluation sheet's page, apart from the document around it, so that a page can be
// drawn many times into one document and by other PDF libraries in the benchmarks.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "grid/evaluation.h"
#include "pdf/vaROR.h"

namespace fiche {

// What the page is drawn with: texts in Arial (Helvetica), lines and 5 × 5 boxes, in points
// from the top-left corner of an A4 page.
class PageFiche {
 public:
  virtual ~PageFiche() = default;
  virtual void Texte(const std::string& texte, double x, double y) = 0;         // Arial 10
  virtual void ADroite(const std::string& texte, double droite, double y) = 0;  // ends at droite
  virtual void Titre(const std::string& texte, double y) = 0;            // Arial 15 bold, centred
  virtual void Gras(const std::string& texte, double x, double y) = 0;   // Arial 10 bold
  virtual void Petit(const std::string& texte, double x, double y) = 0;  // Arial 8
  // A black line 0.5 thick; `couleur`: the line colour is set to black before it.
  virtual void Trait(double x1, double x2, double y, bool couleur) = 0;
  virtual void ReglagesDesCases() = 0;                     // before the boxes of each row
  virtual void Case(double x, double y, bool cochee) = 0;  // y is the bottom edge
};

// The page drawn through the writer's public operations. Every width is measured with the
// font whose name the first measurement puts in police_ (regular Arial), at the size given.
class FicheVaROR : public PageFiche {
 public:
  explicit FicheVaROR(pdf::vaROR& pdf) : pdf_(pdf) {}
  void Texte(const std::string& texte, double x, double y) override;
  void ADroite(const std::string& texte, double droite, double y) override;
  void Titre(const std::string& texte, double y) override;
  void Gras(const std::string& texte, double x, double y) override;
  void Petit(const std::string& texte, double x, double y) override;
  void Trait(double x1, double x2, double y, bool couleur) override;
  void ReglagesDesCases() override;
  void Case(double x, double y, bool cochee) override;

 private:
  double Largeur(const std::string& texte, int taille);

  pdf::vaROR& pdf_;
  std::string police_;
};

// The sheet's document settings, up to PDFBeginDoc: A4 portrait in points, fitted to the
// width, the bookmark panel open, the metric files of `polices`, titled `titre`.
void ReglagesFiche(pdf::vaROR& pdf, const std::filesystem::path& fichier,
                   const std::filesystem::path& polices, const std::string& titre);

// Draws one page of `evaluation`: header dated `date`, the 24 rows with their boxes and
// codes, the GIR, the legend, and the footer naming `chemin`, the sheet's file.
void DessineFiche(PageFiche& page, const grid::Evaluation& evaluation, const std::tm& date,
                  const std::string& chemin);

// What the assessor is told when there is no file number to name the sheet.
constexpr const char* kDossierManquant = "Saisissez le numéro de dossier avant d'imprimer.";

// Writes the sheet of `evaluation` into `dossier`, dated `date`, through a writer just created
// or just reset by PDFInit, measured with the metric folder beside `programme`, the program's
// folder; returns the file written. A file number that cannot name a file raises
// std::invalid_argument with the French message the assessor is told, a failure of the
// writer pdf::PdfError: nothing is written then, and an earlier sheet of that name stays.
std::filesystem::path ImprimeFiche(const grid::Evaluation& evaluation,
                                   const std::filesystem::path& dossier,
                                   const std::filesystem::path& programme, const std::tm& date,
                                   pdf::vaROR& pdf);

// The caption of grid row k (1..24) on the sheet, "Toilette du bas"; empty for another k.
const char* ActiviteDeLigne(int k);
// The name of variable v (1..17, the CFIN index) on the sheet, "Toilette"; empty for another v.
const char* VariableDuCode(int v);

}  // namespace fiche

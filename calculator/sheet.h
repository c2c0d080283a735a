// The evaluation sheet's page, apart from the document around it, so that a page can be
// drawn many times into one document and by other PDF libraries in the benchmarks.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>

#include "pdf/vaROR.h"

class SaisieAggir2;

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
// width, the bookmark panel open, the metric files of `polices`.
void ReglagesFiche(pdf::vaROR& pdf, const std::filesystem::path& fichier,
                   const std::filesystem::path& polices);

// Draws one page of the evaluation `form`: header dated `date`, the 24 rows with their boxes
// and codes, the GIR, the legend, and the footer naming `chemin`, the sheet's file.
void DessineFiche(PageFiche& page, const SaisieAggir2& form, const std::tm& date,
                  const std::string& chemin);

// The caption of grid row k (1..24) on the sheet, "Toilette du bas"; empty for another k.
const char* ActiviteDeLigne(int k);
// The name of variable v (1..17, the CFIN index) on the sheet, "Toilette"; empty for another v.
const char* VariableDuCode(int v);

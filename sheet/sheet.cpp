// SPDX-License-Identifier: EUPL-1.2
// The evaluation sheet: one A4 page named after the file number, drawn through the writer's
// public operations only, in points from the top-left corner.
#include "sheet/sheet.h"

#include <array>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "grid/evaluation.h"
#include "platform/colour.h"
#include "sheet/stored_evaluation.h"

namespace fiche {

namespace {

// One line of the sheet, in the sheet's own order.
struct LigneFiche {
  const char* numero;  // empty on a variable's second and third activity
  const char* activite;
  const char* variable;  // empty where the number is
  int cfin;              // CFIN index of the code shown; 0 for none
  int k;                 // grid row whose boxes are drawn
};

constexpr std::array<LigneFiche, 24> kLignes{{
    {"1.", "Transferts", "Transferts", 7, 14},
    {"2.", "Déplacements à l'intérieur", "Déplacements intérieurs", 8, 15},
    {"3.", "Toilette du haut", "Toilette", 3, 5},
    {"", "Toilette du bas", "", 0, 6},
    {"4.", "Elimination urinaire", "Elimination", 6, 12},
    {"", "Elimination fécale", "", 0, 13},
    {"5.", "Habillage du haut", "Habillage", 4, 7},
    {"", "Habillage moyen", "", 0, 8},
    {"", "Habillage du bas", "", 0, 9},
    {"6.", "Cuisine", "Cuisine", 12, 19},
    {"7.", "Alimentation : se servir", "Alimentation", 5, 10},
    {"", "Alimentation : manger", "", 0, 11},
    {"8.", "Suivi du traitement", "Suivi du traitement", 16, 23},
    {"9.", "Ménage", "Ménage", 13, 20},
    {"10.", "Alerter", "Alerter", 10, 17},
    {"11.", "Déplacements à l'extérieur", "Déplacements extérieurs", 9, 16},
    {"12.", "Transports", "Transports", 14, 21},
    {"13.", "Activités du temps libre", "Activités du temps libre", 17, 24},
    {"14.", "Achats", "Achats", 15, 22},
    {"15.", "Gestion", "Gestion", 11, 18},
    {"16.", "Orientation dans le temps", "Orientation", 2, 3},
    {"", "Orientation dans l'espace", "", 0, 4},
    {"17.", "Cohérence : communication", "Cohérence", 1, 1},
    {"", "Cohérence : comportement", "", 0, 2},
}};

constexpr const char* kLegende[] = {
    "Ne fait pas : Il faut faire à la place, ou \"faire faire\", ou tout refaire",
    "La case est noire (cochée) si la personne ne fait jamais seule, même partiellement, même "
    "difficilement",
    "Fait même difficilement  S- Spontanément  T- Totalement  C- Correctement  H- "
    "Habituellement",
    "La case est noire (cochée) quand les conditions ne sont pas remplie pour l'adverbe",
};

// The page's geometry, in points from the top-left corner.
constexpr double kCase = 5;                    // side of a box
constexpr double kGauche = 30, kDroite = 550;  // the header's margins
// The header's lines of text and its two rules.
constexpr double kLigneMarque = 50, kTraitHaut = 60, kLigneTitre = 80, kTraitTitre = 90;
constexpr double kLigneNom = 120, kLigneAdresse = 140;
constexpr double kEntete = 180;  // the columns' headings
constexpr double kPremiereLigne = 210;
constexpr double kPas = 20;  // from one row to the next
// Columns: the row's number ends at kNumero and its activity follows; the variable's number
// ends at kNumeroVariable and its name follows.
constexpr double kNumero = 50, kActivite = 55, kNumeroVariable = 360, kVariable = 365;
constexpr double kNeFaitPas = 190, kCaseNeFaitPas = 210;
// The adverb columns S, T, C, H: their headings and their boxes.
constexpr double ColonneAdverbe(int j) { return 250 + kPas * (j - 1); }
constexpr double kEnteteCode = 500, kCode = 520;  // the variable's code, under CODE
constexpr double kLigneGir = 690;
constexpr double kLigneLegende = 710, kPasLegende = 10;
// The footer: a rule, then the file's path and the program's name between its ends.
constexpr double kPiedGauche = 40, kPiedDroite = 540, kTraitPied = 760, kPied = 780;

std::string Date(const std::tm& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.tm_mday % 100, (t.tm_mon + 1) % 100,
                (t.tm_year + 1900) % 10000);
  return text;
}

}  // namespace

void FicheVaROR::Texte(const std::string& texte, double x, double y) {
  pdf_.FormatArial10(texte, x, y);
}
void FicheVaROR::ADroite(const std::string& texte, double droite, double y) {
  Texte(texte, droite - Largeur(texte, 10), y);
}
void FicheVaROR::Titre(const std::string& texte, double y) {
  pdf_.FormatArial15B(texte, pdf_.PDFGetPageWidth() / 2 - Largeur(texte, 15) / 2, y);
}
void FicheVaROR::Gras(const std::string& texte, double x, double y) {
  pdf_.FormatArial10B(texte, x, y);
}
void FicheVaROR::Petit(const std::string& texte, double x, double y) {
  pdf_.FormatArial8(texte, x, y);
}
void FicheVaROR::Trait(double x1, double x2, double y, bool couleur) {
  pdf_.PDFSetLineStyle(0);
  pdf_.PDFSetLineWidth(0.5);
  if (couleur) pdf_.PDFSetLineColor(platform::kBlack);
  pdf_.PDFDrawLine(x1, y, x2, y);
}
void FicheVaROR::ReglagesDesCases() {
  pdf_.PDFSetLineColor(platform::kBlack);
  pdf_.PDFSetLineStyle(0);
  pdf_.PDFSetFill(true);
  pdf_.PDFSetLineWidth(0.5);
  pdf_.PDFSetDrawMode(2);  // filled and stroked
}
void FicheVaROR::Case(double x, double y, bool cochee) {
  pdf_.PDFSetDrawColor(cochee ? platform::kBlack : platform::kWhite);
  pdf_.PDFDrawRectangle(x, y - kCase, kCase, kCase, "");
}
double FicheVaROR::Largeur(const std::string& texte, int taille) {
  return pdf_.PDFGetStringWidth(texte, police_, taille);
}

void ReglagesFiche(pdf::vaROR& pdf, const std::filesystem::path& fichier,
                   const std::filesystem::path& polices, const std::string& titre) {
  pdf.PDFTitle(titre);
  pdf.PDFFileName(fichier.string());
  pdf.PDFLoadAfm(polices.string());
  pdf.PDFConfirm(false);
  pdf.PDFView(true);
  pdf.PDFFormatPage(0);     // A4
  pdf.PDFOrientation(1);    // portrait
  pdf.PDFSetUnit(0);        // points
  pdf.PDFSetZoomMode(1);    // fitted to the page width
  pdf.PDFSetLayoutMode(3);  // the reader's own layout
  pdf.PDFUseOutlines(true);
  pdf.PDFUseThumbs(false);
  pdf.PDFBeginDoc();
}

namespace {

void EnTete(PageFiche& fiche, const grid::Evaluation& evaluation, const std::tm& maintenant) {
  fiche.Texte("TIREMONT", kGauche, kLigneMarque);
  fiche.ADroite("Modèle AGGIR", kDroite, kLigneMarque);
  fiche.Trait(kGauche, kDroite, kTraitHaut, true);
  fiche.Titre("Evaluation des activités réalisées par la personnes seule", kLigneTitre);
  fiche.Trait(kGauche, kDroite, kTraitTitre, false);
  fiche.Texte(evaluation.nom + " " + evaluation.prenom, kGauche, kLigneNom);
  const std::string& dossier = evaluation.dossier;
  fiche.ADroite(dossier.empty() ? " " : "Dossier N°" + dossier, kDroite, kLigneNom);
  fiche.Texte(evaluation.adresse, kGauche, kLigneAdresse);
  fiche.ADroite("le " + Date(maintenant), kDroite, kLigneAdresse);
  fiche.Texte("Ne fait pas", kNeFaitPas, kEntete);
  for (int j = 1; j <= grid::kAdverbs; ++j) {
    fiche.Texte(std::string(1, "STCH"[j - 1]), ColonneAdverbe(j), kEntete);
  }
  fiche.Texte("CODE", kEnteteCode, kEntete);
}

// NE FAIT PAS ticked: its black box alone. Otherwise a white one, then S, T, C, H.
void Cases(PageFiche& fiche, const grid::Evaluation& evaluation, int k, double y) {
  if (evaluation.NeFaitPas(k)) {
    fiche.Case(kCaseNeFaitPas, y, true);
    return;
  }
  fiche.Case(kCaseNeFaitPas, y, false);
  for (int j = 1; j <= grid::kAdverbs; ++j) {
    fiche.Case(ColonneAdverbe(j), y, evaluation.Cochee(grid::AdverbBox(k, j)));
  }
}

void Lignes(PageFiche& fiche, const grid::Evaluation& evaluation) {
  const std::string codes = grid::CotationDe(evaluation).variables;
  for (std::size_t r = 0; r < kLignes.size(); ++r) {
    const LigneFiche& ligne = kLignes[r];
    const double y = kPremiereLigne + kPas * static_cast<double>(r);
    fiche.ADroite(ligne.numero, kNumero, y);
    fiche.Texte(ligne.activite, kActivite, y);
    fiche.ADroite(ligne.numero, kNumeroVariable, y);
    fiche.Texte(ligne.variable, kVariable, y);
    fiche.Texte(ligne.cfin ? codes.substr(static_cast<std::size_t>(ligne.cfin - 1), 1) : "", kCode,
                y);
    fiche.ReglagesDesCases();
    Cases(fiche, evaluation, ligne.k, y);
  }
}

}  // namespace

const char* ActiviteDeLigne(int k) {
  for (const LigneFiche& ligne : kLignes) {
    if (ligne.k == k) return ligne.activite;
  }
  return "";
}

const char* VariableDuCode(int v) {
  for (const LigneFiche& ligne : kLignes) {
    if (ligne.cfin == v) return ligne.variable;
  }
  return "";
}

void DessineFiche(PageFiche& fiche, const grid::Evaluation& evaluation, const std::tm& date,
                  const std::string& chemin) {
  EnTete(fiche, evaluation, date);
  Lignes(fiche, evaluation);
  fiche.Gras("GIR = " + std::to_string(grid::ClassementDe(evaluation).gir), kGauche, kLigneGir);
  for (std::size_t i = 0; i < std::size(kLegende); ++i) {
    fiche.Petit(kLegende[i], kNumero, kLigneLegende + kPasLegende * static_cast<double>(i));
  }
  fiche.Trait(kPiedGauche, kPiedDroite, kTraitPied, true);
  fiche.Texte(chemin, kNumero, kPied);
  fiche.ADroite("TIREMONT AGGIR KORVEN", kPiedDroite, kPied);
}

std::filesystem::path ImprimeFiche(const grid::Evaluation& evaluation,
                                   const std::filesystem::path& dossier,
                                   const std::filesystem::path& programme, const std::tm& date,
                                   pdf::vaROR& pdf) {
  // An empty number would name a hidden ".pdf" that the next one overwrites.
  if (!grid::DossierValide(evaluation.dossier)) throw std::invalid_argument(kDossierManquant);
  const std::filesystem::path fichier = dossier / (evaluation.dossier + ".pdf");
  // What reopening reads; the document information is written when the document begins.
  pdf.PDFKeywords(TexteDeFiche(evaluation));
  const std::string titre = evaluation.dossier + " " + evaluation.nom + " " + evaluation.prenom;
  // The metric files stand in system/Fonts beside the program's folder.
  ReglagesFiche(pdf, fichier, programme.parent_path() / "system" / "Fonts", titre);
  pdf.PDFSetBookmark("Signet1", 1, 40);
  FicheVaROR page(pdf);
  DessineFiche(page, evaluation, date, fichier.string());
  pdf.PDFEndPage();
  pdf.PDFEndDoc();
  return fichier;
}

}  // namespace fiche

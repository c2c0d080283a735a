// The evaluation sheet: "Imprimer" writes the current evaluation as a one-page A4 PDF named
// after the file number and opens it. The page is drawn through the writer's public
// operations only, in points from the top-left corner.
#include "calculator/sheet.h"

#include <array>
#include <cstdio>
#include <string>

#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "platform/colour.h"

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

constexpr double kCase = 5;  // side of a box, points

std::string Date(const std::tm& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.tm_mday % 100, (t.tm_mon + 1) % 100,
                (t.tm_year + 1900) % 10000);
  return text;
}

std::string SansBlancs(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
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
  pdf_.PDFSetLineWidth(1.0);
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
                   const std::filesystem::path& polices) {
  pdf.PDFTitle("Test");
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

void EnTete(PageFiche& fiche, const SaisieAggir2& form, const std::tm& maintenant) {
  fiche.Texte("TIREMONT", 30, 50);
  fiche.ADroite("Modèle AGGIR", 550, 50);
  fiche.Trait(30, 550, 60, true);
  fiche.Titre("Evaluation des activités réalisées par la personnes seule", 80);
  fiche.Trait(30, 550, 90, false);
  fiche.Texte(form.TxtNom.Text + " " + form.TxtPrenom.Text, 30, 120);
  const std::string& dossier = form.TxtDossier.Text;
  fiche.ADroite(dossier.empty() ? " " : "Dossier N°" + dossier, 550, 120);
  fiche.Texte(form.TxtAdresse.Text, 30, 140);
  fiche.ADroite("le " + Date(maintenant), 550, 140);
  const std::pair<const char*, double> colonnes[] = {
      {"Ne fait pas", 190}, {"S", 250}, {"T", 270}, {"C", 290}, {"H", 310}, {"CODE", 500}};
  for (const auto& [texte, x] : colonnes) fiche.Texte(texte, x, 180);
}

// NE FAIT PAS ticked: its black box alone. Otherwise a white one, then S, T, C, H.
void Cases(PageFiche& fiche, const SaisieAggir2& form, int k, double y) {
  if (form.ADV4(layout::NeFaitPasBox(k)).Value == 1) {
    fiche.Case(210, y, true);
    return;
  }
  fiche.Case(210, y, false);
  for (int j = 1; j <= layout::kAdverbs; ++j) {
    fiche.Case(250 + 20 * (j - 1), y, form.ADV(layout::AdverbBox(k, j)).Value == 1);
  }
}

void Lignes(PageFiche& fiche, const SaisieAggir2& form) {
  for (std::size_t r = 0; r < kLignes.size(); ++r) {
    const LigneFiche& ligne = kLignes[r];
    const double y = 210 + 20 * static_cast<double>(r);
    fiche.ADroite(ligne.numero, 50, y);
    fiche.Texte(ligne.activite, 55, y);
    fiche.ADroite(ligne.numero, 360, y);
    fiche.Texte(ligne.variable, 365, y);
    fiche.Texte(ligne.cfin ? form.CFIN(ligne.cfin).Caption() : "", 520, y);
    fiche.ReglagesDesCases();
    Cases(fiche, form, ligne.k, y);
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

void DessineFiche(PageFiche& fiche, const SaisieAggir2& form, const std::tm& date,
                  const std::string& chemin) {
  EnTete(fiche, form, date);
  Lignes(fiche, form);
  fiche.Gras("GIR = " + SansBlancs(form.TxtGroupe.Text), 30, 690);
  for (std::size_t i = 0; i < std::size(kLegende); ++i) {
    fiche.Petit(kLegende[i], 50, 710 + 10 * static_cast<double>(i));
  }
  fiche.Trait(40, 540, 760, true);
  fiche.Texte(chemin, 50, 780);
  fiche.ADroite("TIREMONT AGGIR KORVEN", 540, 780);
}

void SaisieAggir2::SSCommand1_Click() { ImprimeFiche(); }

// Nothing is caught here: a failure of the writer reaches the command, which tells the user;
// the evaluation on screen is untouched and an earlier sheet of the same name stays.
void SaisieAggir2::ImprimeFiche() { ImprimeFiche(DossierDesFiches()); }

void SaisieAggir2::ImprimeFiche(const std::filesystem::path& dossier) {
  pdf::vaROR pdf(host_);
  ImprimeFiche(dossier, pdf);
}

void SaisieAggir2::ImprimeFiche(const std::filesystem::path& dossier, pdf::vaROR& pdf) {
  const std::filesystem::path fichier = dossier / (TxtDossier.Text + ".pdf");
  // What reopening reads; the document information is written when the document begins.
  pdf.PDFKeywords(fiche::TexteDeFiche(EvaluationAffichee()));
  // The metric files stand in system/Fonts beside the program's folder.
  ReglagesFiche(pdf, fichier, host_.ProgramFolder().parent_path() / "system" / "Fonts");
  pdf.PDFSetBookmark("Signet1", 1, 40);
  FicheVaROR fiche(pdf);
  DessineFiche(fiche, *this, host_.LocalTime(), fichier.string());
  pdf.PDFEndPage();
  pdf.PDFEndDoc();
}

fiche::Evaluation SaisieAggir2::EvaluationAffichee() const {
  std::bitset<fiche::kAdverbes> adverbes;
  for (std::size_t i = 0; i < adverbes.size(); ++i) {
    adverbes[i] = ADV(static_cast<int>(i) + 1).Value == 1;
  }
  // The GIR as the sheet prints it.
  return {TxtDossier.Text, TxtNom.Text, TxtPrenom.Text,
          TxtAdresse.Text, adverbes,    SansBlancs(TxtGroupe.Text),
          TxtRang.Text};
}

// The program's folder, as always; when its user cannot write there (an installed copy),
// the documents folder.
std::filesystem::path SaisieAggir2::DossierDesFiches() const {
  const std::filesystem::path programme = host_.ProgramFolder();
  return host_.CanWriteIn(programme) ? programme : host_.DocumentsFolder();
}

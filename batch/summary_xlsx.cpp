// SPDX-License-Identifier: EUPL-1.2
#include "batch/summary_xlsx.h"

#include <fcntl.h>
#include <locale.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "batch/columns.h"
#include "batch/summary_text.h"
#include "batch/tmpfile_buffers.h"
#include "batch/zip_entries.h"
#include "grid/grid.h"
#include "platform/system_reason.h"
#include "sheet/sheet.h"

namespace batch {
namespace {

// Past this, a column is as wide as this and its cells wrap in the spreadsheet's own way.
constexpr std::size_t kLargeurMaximale = 60;

std::size_t Caracteres(const std::string& texte) {
  return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::vector<std::string> EnteteDesEvaluations() {
  std::vector<std::string> entete = {"dossier", "nom", "prénom"};
  for (int v = 1; v <= grid::kVariables; ++v) entete.push_back(fiche::VariableDuCode(v));
  for (const char* nom : {"rang", "GIR", "cohérence du codage", "fiche"}) entete.push_back(nom);
  return entete;
}

// libxlsxwriter's reasons are English: the few a run can meet, in French. A write that the
// system refused (a full disk, a file too big) leaves its errno, which says more.
std::string Raison(lxw_error erreur, int systeme) {
  for (const int ecriture : {ENOSPC, EDQUOT, EFBIG, EIO, EROFS, EACCES}) {
    if (systeme == ecriture) return platform::SystemReason(systeme);
  }
  switch (erreur) {
    case LXW_ERROR_CREATING_XLSX_FILE: return "le fichier ne peut pas être créé";
    case LXW_ERROR_CREATING_TMPFILE: return "un fichier temporaire ne peut pas être créé";
    case LXW_ERROR_MEMORY_MALLOC_FAILED: return "la mémoire manque";
    default: return "l'écriture a échoué (libxlsxwriter, erreur " + std::to_string(erreur) + ")";
  }
}

// libxlsxwriter writes numbers with printf, which follows the session's decimal comma; the
// workbook's XML wants a point whatever the session. Only this thread's locale changes.
class NombresAPoint {
 public:
  NombresAPoint() : avant_(uselocale(C())) {}
  ~NombresAPoint() { uselocale(avant_); }
  NombresAPoint(const NombresAPoint&) = delete;
  NombresAPoint& operator=(const NombresAPoint&) = delete;

 private:
  static locale_t C() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
  }
  locale_t avant_;
};

// libxlsxwriter tells its failures on standard error, in English, which the batch tells in
// French itself: standard error goes nowhere while the workbook is closed, when the progress
// bar is over and no other thread writes there.
class SansSortieDErreur {
 public:
  SansSortieDErreur() {
    std::fflush(stderr);
    const int nul = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nul < 0) return;
    copie_ = ::fcntl(2, F_DUPFD_CLOEXEC, 0);
    if (copie_ >= 0) ::dup2(nul, 2);
    ::close(nul);
  }
  ~SansSortieDErreur() {
    std::fflush(stderr);
    if (copie_ < 0) return;
    ::dup2(copie_, 2);
    ::close(copie_);
  }
  SansSortieDErreur(const SansSortieDErreur&) = delete;
  SansSortieDErreur& operator=(const SansSortieDErreur&) = delete;

 private:
  int copie_ = -1;
};

// The workbook zipped into its file; the errno of a write that failed, 0 if none did.
lxw_error Zippe(lxw_workbook* classeur, TamponsDeFichiers& tampons, int& systeme) {
  const SansSortieDErreur silence;
  const TamponsDeFichiers::Collecte collecte(tampons);
  errno = 0;
  const lxw_error fermeture = workbook_close(classeur);
  systeme = errno;
  return fermeture;
}

}  // namespace

Classeur::~Classeur() {
  // An abandoned workbook is still closed, into its temporary file, which is then removed.
  fil_.reset();
  const NombresAPoint point;
  int ignore = 0;
  if (classeur_ != nullptr) Zippe(classeur_, tampons_, ignore);
}

bool Classeur::Commence(const std::filesystem::path& dossier, std::string& erreur) {
  const NombresAPoint point;
  const TamponsDeFichiers::Collecte collecte(tampons_);
  PrepareCompressionRapide();
  chemin_ = dossier / kNomClasseur;
  // Held open, empty, until the workbook is written into it: a later run sees it is alive.
  if (!fichier_.Create(chemin_)) {
    erreur = "La synthèse " + Cite(chemin_.string()) +
             " ne peut pas être créée : " + platform::SystemReason(fichier_.CreationError());
    return false;
  }
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  classeur_ = workbook_new_opt(fichier_.TemporaryPath().string().c_str(), &options);
  if (classeur_ == nullptr) {
    erreur = "La synthèse " + Cite(chemin_.string()) + " ne peut pas être créée.";
    return false;
  }
  gras_ = workbook_add_format(classeur_);
  format_set_bold(gras_);
  centiemes_ = workbook_add_format(classeur_);
  format_set_num_format(centiemes_, "0.00");
  evaluations_ = Ajoute("Évaluations", EnteteDesEvaluations());
  refus_ = Ajoute("Lignes refusées", {"dossier", "nom", "prénom", "motif du refus"});
  girs_ = Ajoute("GIR", {"GIR", "personnes", "points"});
  fil_ = std::make_unique<FilDeLignes>([this](const LigneDeSynthese& ligne) { Ecrit(ligne); });
  return true;
}

Classeur::Feuille Classeur::Ajoute(const char* nom, const std::vector<std::string>& entete) {
  Feuille feuille{workbook_add_worksheet(classeur_, nom), 0,
                  std::vector<std::size_t>(entete.size())};
  worksheet_freeze_panes(feuille.feuille, 1, 0);
  for (unsigned c = 0; c < entete.size(); ++c) {
    worksheet_write_string(feuille.feuille, 0, static_cast<lxw_col_t>(c), entete[c].c_str(), gras_);
    feuille.largeurs[c] = Caracteres(entete[c]);
  }
  feuille.ligne = 1;
  return feuille;
}

void Classeur::Texte(Feuille& feuille, unsigned colonne, const std::string& texte) {
  if (texte.empty()) return;
  const std::string sur = SansFormule(texte);
  worksheet_write_string(feuille.feuille, feuille.ligne, static_cast<lxw_col_t>(colonne),
                         sur.c_str(), nullptr);
  feuille.largeurs[colonne] = std::max(feuille.largeurs[colonne], Caracteres(sur));
}

void Classeur::Nombre(Feuille& feuille, unsigned colonne, double nombre, lxw_format* format) {
  worksheet_write_number(feuille.feuille, feuille.ligne, static_cast<lxw_col_t>(colonne), nombre,
                         format);
  feuille.largeurs[colonne] = std::max<std::size_t>(feuille.largeurs[colonne], 7);
}

void Classeur::Ajoute(LigneDeSynthese ligne) { fil_->Ajoute(std::move(ligne)); }

void Classeur::Ecrit(const LigneDeSynthese& ligne) {
  const NombresAPoint point;
  Feuille& feuille = ligne.refus.empty() ? evaluations_ : refus_;
  unsigned colonne = 0;
  for (const std::string* texte : {&ligne.dossier, &ligne.nom, &ligne.prenom})
    Texte(feuille, colonne++, *texte);
  if (!ligne.refus.empty()) {
    Texte(feuille, colonne, ligne.refus);
  } else {
    for (const char code : ligne.codes) Texte(feuille, colonne++, std::string(1, code));
    Nombre(feuille, colonne++, std::stoi(ligne.rang));
    Nombre(feuille, colonne++, std::stoi(ligne.gir));
    Texte(feuille, colonne++, ligne.coherence);
    Texte(feuille, colonne, ligne.fiche);
  }
  ++feuille.ligne;
}

// Filters over the rows written, and each column as wide as its widest text.
void Classeur::Ferme(Feuille& feuille) {
  const auto derniere = static_cast<lxw_col_t>(feuille.largeurs.size() - 1);
  worksheet_autofilter(feuille.feuille, 0, 0, feuille.ligne - 1, derniere);
  for (lxw_col_t c = 0; c <= derniere; ++c) {
    const std::size_t largeur = std::min(feuille.largeurs[c] + 2, kLargeurMaximale);
    worksheet_set_column(feuille.feuille, c, c, static_cast<double>(largeur), nullptr);
  }
}

void Classeur::Graphique() {
  lxw_chart* graphique = workbook_add_chart(classeur_, LXW_CHART_COLUMN);
  lxw_chart_series* serie = chart_add_series(graphique, nullptr, nullptr);
  chart_series_set_categories(serie, "GIR", 1, 0, kGirs, 0);
  chart_series_set_values(serie, "GIR", 1, 1, kGirs, 1);
  chart_series_set_name(serie, "Personnes");
  chart_title_set_name(graphique, "Personnes par GIR");
  chart_axis_set_name(graphique->x_axis, "GIR");
  chart_axis_set_name(graphique->y_axis, "Personnes");
  chart_legend_set_position(graphique, LXW_CHART_LEGEND_NONE);
  worksheet_insert_chart(girs_.feuille, 1, 4, graphique);
}

bool Classeur::Termine(const Totaux& totaux, std::string& erreur) {
  if (fil_) fil_->Arrete();
  const NombresAPoint point;
  for (std::size_t g = 0; g < kGirs; ++g, ++girs_.ligne) {
    Nombre(girs_, 0, static_cast<double>(g + 1));
    Nombre(girs_, 1, static_cast<double>(totaux.par_gir[g]));
    Nombre(girs_, 2, kPoints[g]);
  }
  ++girs_.ligne;
  worksheet_write_string(girs_.feuille, girs_.ligne, 0, "GMP", gras_);
  if (const auto gmp = GmpEnCentiemes(totaux.par_gir))
    Nombre(girs_, 1, static_cast<double>(*gmp) / 100, centiemes_);
  for (Feuille* feuille : {&evaluations_, &refus_}) Ferme(*feuille);
  for (lxw_col_t c = 0; c < 3; ++c) worksheet_set_column(girs_.feuille, c, c, 11, nullptr);
  Graphique();
  int systeme = 0;
  const lxw_error fermeture = Zippe(classeur_, tampons_, systeme);
  classeur_ = nullptr;
  std::error_code echec = fichier_.Close();
  if (!echec && fermeture == LXW_NO_ERROR) echec = fichier_.Publish();
  if (fermeture != LXW_NO_ERROR || echec) {
    erreur =
        "La synthèse " + Cite(chemin_.string()) + " n'a pas pu être écrite : " +
        (fermeture != LXW_NO_ERROR ? Raison(fermeture, systeme) : platform::SystemReason(echec)) +
        ".";
    fichier_.Discard();
    return false;
  }
  return true;
}

}  // namespace batch

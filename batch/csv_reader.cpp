// SPDX-License-Identifier: EUPL-1.2
#include "batch/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include "batch/waiting_open.h"
#include "platform/encoding.h"

namespace batch {
namespace {

// The separator the header uses most, quoted text aside; ";", then ",", on a tie.
char SeparateurDe(const std::string& entete) {
  int points_virgules = 0, virgules = 0, tabulations = 0;
  bool cite = false;
  for (const char c : entete) {
    if (c == '"') cite = !cite;
    if (cite) continue;
    points_virgules += c == ';';
    virgules += c == ',';
    tabulations += c == '\t';
  }
  if (tabulations > std::max(points_virgules, virgules)) return '\t';
  return virgules > points_virgules ? ',' : ';';
}

// Blanks around an unquoted field; a tab only when it does not separate fields.
int Espace(unsigned char c) { return c == ' '; }
int EspaceOuTabulation(unsigned char c) { return c == ' ' || c == '\t'; }

// The five bytes Windows-1252 leaves unused.
bool EstWindows1252(std::string_view octets) {
  return octets.find_first_of("\x81\x8D\x8F\x90\x9D") == std::string_view::npos;
}

// libcsv's state (libcsv.c): inside a quoted field that has begun.
constexpr int kChampCommence = 2;
bool DansLesGuillemets(const csv_parser& parseur) {
  return parseur.quoted != 0 && parseur.pstate == kChampCommence;
}

std::size_t Caracteres(const char* octets, std::size_t taille) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < taille; ++i)
    n += (static_cast<unsigned char>(octets[i]) & 0xC0) != 0x80;
  return n;
}

const std::string kTropLongue = "la ligne dépasse 65 536 octets";
const std::string kGuillemet = "un guillemet ouvert ici n'est jamais refermé";

}  // namespace

LecteurCsv::LecteurCsv(const std::filesystem::path& fichier) {
  csv_init(&parseur_, CSV_REPALL_NL);
  std::error_code code;
  if (fichier != kEntreeStandard && std::filesystem::is_directory(fichier, code)) {
    erreur_ = EISDIR;
    return;
  }
  flux_ = fichier == kEntreeStandard ? stdin : OuvreEnLecture(fichier, erreur_);
  if (flux_ == nullptr) return;
  lignes_lues_ = std::make_unique<LecteurDeLignes>(flux_);
}

LecteurCsv::~LecteurCsv() {
  csv_free(&parseur_);
  if (flux_ != nullptr && flux_ != stdin) std::fclose(flux_);
}

void LecteurCsv::Initialise() {
  csv_set_delim(&parseur_, static_cast<unsigned char>(separateur_));
  csv_set_space_func(&parseur_, separateur_ == '\t' ? Espace : EspaceOuTabulation);
}

void LecteurCsv::Entete(std::string& ligne) {
  if (ligne.starts_with(kBom)) ligne.erase(0, kBom.size());
  separateur_ = SeparateurDe(ligne);
  Initialise();
}

bool LecteurCsv::Suivant(Enregistrement& enregistrement) {
  std::string ligne;
  bool trop_longue = false;
  while (prets_.empty() && !fini_) {
    if (lignes_lues_ && lignes_lues_->Suivante(ligne, trop_longue)) {
      Lit(std::move(ligne), trop_longue);
    } else {
      Fini();
    }
  }
  if (prets_.empty()) return false;
  enregistrement = std::move(prets_.front());
  prets_.pop_front();
  return true;
}

void LecteurCsv::Fini() {
  fini_ = true;
  if (lignes_lues_) erreur_ = lignes_lues_->Erreur();
  if (DansLesGuillemets(parseur_)) courant_.refus = kGuillemet;
  csv_fini(&parseur_, FinDeChamp, FinDeLigne, this);
  if (!courant_.refus.empty()) Abandonne(courant_.refus);
}

// Each piece decoded alone: UTF-8 when it is, else Windows-1252.
void LecteurCsv::Lit(std::string ligne, bool trop_longue) {
  const bool entete = premiere_;
  premiere_ = false;
  if (trop_longue) {
    Abandonne(kTropLongue);
    saute_fin_ = true;
    fini_ = entete;  // a header without end is not waited for
    return;
  }
  if (std::exchange(saute_fin_, false) && (ligne == "\r" || ligne == "\n")) {
    fin_ = ligne[0];
    return;
  }
  if (entete) Entete(ligne);
  if (!platform::IsUtf8(ligne)) {
    if (!EstWindows1252(ligne) && courant_.refus.empty())
      courant_.refus = "octets qui ne sont ni de l'UTF-8 ni du Windows-1252";
    ligne = platform::FromWindows1252(ligne);
    windows1252_ = true;
  }
  octets_ += ligne.size();
  if (csv_parse(&parseur_, ligne.data(), ligne.size(), FinDeChamp, FinDeLigne, this) <
      ligne.size()) {
    erreur_ = ENOMEM;  // libcsv's buffer could not grow
    fini_ = true;
    return;
  }
  if (DansLesGuillemets(parseur_) && octets_ > kOctetsParLigne) Abandonne(kGuillemet);
}

// The record so far is refused as the row it is, and the parser starts afresh.
void LecteurCsv::Abandonne(const std::string& refus) {
  csv_free(&parseur_);
  csv_init(&parseur_, CSV_REPALL_NL);
  Initialise();
  Enregistrement refuse;
  refuse.ligne = lignes_ + 1;
  refuse.refus = refus;
  prets_.push_back(std::move(refuse));
  ++lignes_;
  courant_ = {};
  octets_ = 0;
  fin_ = 0;
}

void LecteurCsv::FinDeChamp(void* champ, std::size_t taille, void* lecteur) {
  auto& courant = static_cast<LecteurCsv*>(lecteur)->courant_;
  const auto* octets = static_cast<const char*>(champ);
  if (taille > kCaracteresParChamp && Caracteres(octets, taille) > kCaracteresParChamp) {
    if (courant.refus.empty()) {
      courant.refus = "une valeur de plus de 1 000 caractères";
      courant.colonne = static_cast<int>(courant.champs.size());
    }
    courant.champs.emplace_back();
    return;
  }
  courant.champs.emplace_back(octets, taille);
}

// With every line end reported, the LF of a CR LF ends an empty row of its own: not a row.
// A row of empty fields only (blank, or separators) is skipped.
void LecteurCsv::FinDeLigne(int fin, void* lecteur) {
  auto& self = *static_cast<LecteurCsv*>(lecteur);
  auto& courant = self.courant_;
  const bool vide = courant.champs.empty() && courant.refus.empty();
  const bool lf_de_crlf = vide && fin == '\n' && self.fin_ == '\r';
  self.fin_ = fin;
  if (lf_de_crlf) return;
  ++self.lignes_;
  const bool blanc =
      courant.refus.empty() && std::all_of(courant.champs.begin(), courant.champs.end(),
                                           [](const std::string& champ) { return champ.empty(); });
  if (!blanc) {
    courant.ligne = self.lignes_;
    self.prets_.push_back(std::move(courant));
  }
  courant = {};
  self.octets_ = 0;
}

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
#include "batch/csv_reader.h"

#include <algorithm>

#include "platform/encoding.h"

namespace batch {
namespace {

void RetireBom(std::string& ligne) {
  if (ligne.starts_with(kBom)) ligne.erase(0, kBom.size());
}

// The separator the header uses more, quoted text aside; ";" when neither appears.
char SeparateurDe(const std::string& entete) {
  int points_virgules = 0, virgules = 0;
  bool cite = false;
  for (const char c : entete) {
    if (c == '"') cite = !cite;
    if (cite) continue;
    points_virgules += c == ';';
    virgules += c == ',';
  }
  return virgules > points_virgules ? ',' : ';';
}

}  // namespace

LecteurCsv::LecteurCsv(const std::filesystem::path& fichier) : flux_(fichier, std::ios::binary) {
  csv_init(&parseur_, CSV_REPALL_NL);
  ouvert_ = flux_.is_open() && !std::filesystem::is_directory(fichier);
  if (!ouvert_) return;
  Detecte();
  csv_set_delim(&parseur_, static_cast<unsigned char>(separateur_));
}

LecteurCsv::~LecteurCsv() { csv_free(&parseur_); }

// A first pass over the lines: the separator from the header, the code page from every byte.
// UTF-8 never holds a line feed byte inside a character, so each line is checked alone.
void LecteurCsv::Detecte() {
  std::string ligne;
  bool utf8 = true;
  for (bool entete = true; std::getline(flux_, ligne); entete = false) {
    if (entete) {
      RetireBom(ligne);
      separateur_ = SeparateurDe(ligne);
    }
    utf8 = utf8 && platform::IsUtf8(ligne);
  }
  windows1252_ = !utf8;
  flux_.clear();
  flux_.seekg(0);
}

bool LecteurCsv::LitLigne(std::string& ligne) {
  if (!std::getline(flux_, ligne)) return false;
  if (premiere_) RetireBom(ligne);
  premiere_ = false;
  if (windows1252_) ligne = platform::FromWindows1252(ligne);
  if (!flux_.eof()) ligne += '\n';
  return true;
}

bool LecteurCsv::Suivant(Enregistrement& enregistrement) {
  std::string ligne;
  while (prets_.empty() && !fini_) {
    if (LitLigne(ligne)) {
      csv_parse(&parseur_, ligne.data(), ligne.size(), FinDeChamp, FinDeLigne, this);
    } else {
      csv_fini(&parseur_, FinDeChamp, FinDeLigne, this);
      fini_ = true;
    }
  }
  if (prets_.empty()) return false;
  enregistrement = std::move(prets_.front());
  prets_.pop_front();
  return true;
}

void LecteurCsv::FinDeChamp(void* champ, std::size_t taille, void* lecteur) {
  auto& self = *static_cast<LecteurCsv*>(lecteur);
  self.courant_.champs.emplace_back(static_cast<const char*>(champ), taille);
}

// With every line end reported, the LF of a CR LF ends an empty row of its own: not a row.
void LecteurCsv::FinDeLigne(int fin, void* lecteur) {
  auto& self = *static_cast<LecteurCsv*>(lecteur);
  const bool vide = self.courant_.champs.empty();
  const bool lf_de_crlf = vide && fin == '\n' && self.fin_ == '\r';
  self.fin_ = fin;
  if (lf_de_crlf) return;
  ++self.lignes_;
  const bool blanc = vide || (self.courant_.champs.size() == 1 && self.courant_.champs[0].empty());
  if (!blanc) {
    self.courant_.ligne = self.lignes_;
    self.prets_.push_back(std::move(self.courant_));
  }
  self.courant_ = {};
}

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
#include "batch/columns.h"

#include <utility>

#include "platform/encoding.h"
#include "sheet/sheet.h"

namespace batch {
namespace {

// Windows-1252 letters 0xC0..0xFF without their accents; '\0' keeps the character.
using namespace std::string_view_literals;
constexpr std::string_view kSansAccent =
    "aaaaaaaceeeeiiiidnooooo\0ouuuuy\0saaaaaaaceeeeiiiidnooooo\0ouuuuy\0y"sv;
static_assert(kSansAccent.size() == 64);
constexpr unsigned char kApostropheCourbe = 0x92;
constexpr unsigned char kEspaceInsecable = 0xA0;

char Replie(unsigned char c) {
  if (c >= 0xC0 && kSansAccent[c - 0xC0] != '\0') return kSansAccent[c - 0xC0];
  if (c == kApostropheCourbe) return '\'';
  if (c == kEspaceInsecable) return ' ';
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return static_cast<char>(c);
}

// Where column `nom` stands; kAbsente when nowhere, and an error when twice.
int Place(const std::vector<std::string>& entete, const std::string& nom, std::string& erreur) {
  const std::string cherche = NomCompare(nom);
  int place = kAbsente;
  for (std::size_t i = 0; i < entete.size(); ++i) {
    if (NomCompare(entete[i]) != cherche) continue;
    if (place != kAbsente) erreur = "la colonne " + Cite(nom) + " figure deux fois dans l'en-tête";
    place = static_cast<int>(i);
  }
  return place;
}

}  // namespace

std::string Cite(std::string_view texte) { return "« " + std::string(texte) + " »"; }

std::string Rogne(std::string_view texte) {
  constexpr std::string_view kBlancs[] = {" ", "\t", "\xC2\xA0"};  // the last: a no-break space
  for (bool rogne = true; rogne;) {
    rogne = false;
    for (const std::string_view blanc : kBlancs) {
      if (texte.starts_with(blanc)) texte.remove_prefix(blanc.size()), rogne = true;
      if (texte.ends_with(blanc)) texte.remove_suffix(blanc.size()), rogne = true;
    }
  }
  return std::string(texte);
}

// Compared through Windows-1252, where each accented letter is one byte.
std::string NomCompare(std::string_view nom) {
  std::string replie;
  for (const char c : platform::ToWindows1252(nom)) replie += Replie(static_cast<unsigned char>(c));
  return Rogne(replie);
}

Colonnes LitEntete(const std::vector<std::string>& entete, std::string& erreur) {
  Colonnes colonnes;
  colonnes.entete = entete;
  colonnes.champs = entete.size();
  const std::pair<int*, const char*> identite[] = {{&colonnes.dossier, "dossier"},
                                                   {&colonnes.nom, "nom"},
                                                   {&colonnes.prenom, "prénom"},
                                                   {&colonnes.adresse, "adresse"}};
  for (const auto& [place, nom] : identite) *place = Place(entete, nom, erreur);
  std::vector<std::string> requises;
  if (colonnes.dossier == kAbsente) requises.push_back("dossier");
  for (int k = 1; k <= grid::kRows; ++k) {
    int& place = colonnes.lignes[static_cast<std::size_t>(k - 1)];
    place = Place(entete, fiche::ActiviteDeLigne(k), erreur);
    if (place == kAbsente) requises.push_back(fiche::ActiviteDeLigne(k));
  }
  if (!requises.empty() && erreur.empty()) {
    erreur = "la colonne " + Cite(requises.front()) + " manque dans l'en-tête";
  }
  return colonnes;
}

}  // namespace batch

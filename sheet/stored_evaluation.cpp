// SPDX-License-Identifier: EUPL-1.2
#include "sheet/stored_evaluation.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace fiche {
namespace {

constexpr std::string_view kVersion = "AGGIR1";
constexpr std::string_view kFamille = "AGGIR";  // every version's name starts so
constexpr char kBlanc = ' ';
constexpr std::size_t kAdverbes = grid::kAdverbBoxes;
constexpr std::size_t kChamps = 8;  // the version, the identity, the boxes, GIR and rang
constexpr int kParLigne = 4;
constexpr std::string_view kHex = "0123456789ABCDEF";

bool EstChiffre(char c) { return c >= '0' && c <= '9'; }
bool EstNombre(std::string_view texte) {
  return !texte.empty() && std::all_of(texte.begin(), texte.end(), EstChiffre);
}

// Letters, digits and - . _ ~ stand for themselves; every other byte is written %XX.
bool Libre(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || EstChiffre(static_cast<char>(c)) ||
         c == '-' || c == '.' || c == '_' || c == '~';
}

// Upper-case digits only, so that every text has one spelling.
int Hex(char c) {
  const std::size_t p = kHex.find(c);
  return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

std::string Encode(std::string_view texte) {
  std::string code;
  for (const unsigned char c : texte) {
    if (Libre(c)) {
      code += static_cast<char>(c);
    } else {
      code += '%';
      code += kHex[c >> 4];
      code += kHex[c & 15];
    }
  }
  return code;
}

bool Decode(std::string_view code, std::string& texte) {
  texte.clear();
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (Libre(static_cast<unsigned char>(code[i]))) {
      texte += code[i];
      continue;
    }
    if (code[i] != '%' || code.size() - i < 3) return false;
    const int fort = Hex(code[i + 1]), faible = Hex(code[i + 2]);
    if (fort < 0 || faible < 0) return false;
    const auto octet = static_cast<unsigned char>(fort * 16 + faible);
    if (Libre(octet)) return false;  // such a byte is never encoded
    texte += static_cast<char>(octet);
    i += 2;
  }
  return true;
}

// One digit per row: S, T, C, H from the high bit down.
std::string EnHex(const std::bitset<kAdverbes>& adverbes) {
  std::string hex;
  for (std::size_t premier = 0; premier < kAdverbes; premier += kParLigne) {
    std::size_t chiffre = 0;
    for (std::size_t j = 0; j < kParLigne; ++j) chiffre = chiffre * 2 + adverbes[premier + j];
    hex += kHex[chiffre];
  }
  return hex;
}

bool DeHex(std::string_view hex, std::bitset<kAdverbes>& adverbes) {
  if (hex.size() != kAdverbes / kParLigne) return false;
  for (std::size_t ligne = 0; ligne < hex.size(); ++ligne) {
    const int chiffre = Hex(hex[ligne]);
    if (chiffre < 0) return false;
    for (std::size_t j = 0; j < kParLigne; ++j) {
      adverbes[ligne * kParLigne + j] = (chiffre >> (kParLigne - 1 - j)) & 1;
    }
  }
  return true;
}

std::string Crc(std::string_view texte) {
  const uLong crc =
      crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(texte.data()), texte.size());
  std::array<char, 9> hex;
  std::snprintf(hex.data(), hex.size(), "%08lX", crc);
  return hex.data();
}

std::vector<std::string_view> Champs(std::string_view texte) {
  std::vector<std::string_view> champs;
  for (std::size_t debut = 0;;) {
    const std::size_t fin = texte.find(kBlanc, debut);
    champs.push_back(texte.substr(debut, fin - debut));
    if (fin == std::string_view::npos) return champs;
    debut = fin + 1;
  }
}

// A name that is not this version's: a later version's ("AGGIR" and a number), or nothing
// of this program's.
Refus AutreVersion(std::string_view nom) {
  if (nom.substr(0, kFamille.size()) != kFamille) return Refus::PasUneFiche;
  const std::string_view numero = nom.substr(kFamille.size());
  if (!EstNombre(numero) || numero[0] == '0') return Refus::PasUneFiche;
  return Refus::FormatPlusRecent;
}

// The GIR and rang as the sheet stores them.
std::string Resultat(const Evaluation& evaluation) {
  const grid::Classement classement = grid::ClassementDe(evaluation);
  return std::to_string(classement.gir) + kBlanc + std::to_string(classement.rang);
}

Refus LitChamps(const std::vector<std::string_view>& champs, Evaluation& lue) {
  if (champs.size() != kChamps) return Refus::Modifiee;
  const std::array<std::string*, 4> textes{&lue.dossier, &lue.nom, &lue.prenom, &lue.adresse};
  for (std::size_t i = 0; i < textes.size(); ++i) {
    if (!Decode(champs[i + 1], *textes[i])) return Refus::Modifiee;
  }
  // The file number is digits only whatever way it is entered; it names the next sheet.
  if (!lue.dossier.empty() && !EstNombre(lue.dossier)) return Refus::Modifiee;
  if (!DeHex(champs[5], lue.adverbes)) return Refus::Modifiee;
  // Boxes that do not give the GIR printed beside them were changed after printing.
  const std::string resultat = std::string(champs[6]) + kBlanc + std::string(champs[7]);
  if (resultat != Resultat(lue)) return Refus::Modifiee;
  return Refus::Aucun;
}

}  // namespace

std::string TexteDeFiche(const Evaluation& evaluation) {
  std::string texte(kVersion);
  for (const std::string* champ :
       {&evaluation.dossier, &evaluation.nom, &evaluation.prenom, &evaluation.adresse}) {
    texte += kBlanc + Encode(*champ);
  }
  texte += kBlanc + EnHex(evaluation.adverbes);
  texte += kBlanc + Resultat(evaluation);
  return texte + kBlanc + Crc(texte);
}

Refus LitTexteDeFiche(std::string_view texte, Evaluation& evaluation) {
  // A later version may change everything after its name, the checksum included.
  const std::string_view nom = texte.substr(0, texte.find(kBlanc));
  if (nom != kVersion) return AutreVersion(nom);
  const std::size_t crc = texte.rfind(kBlanc);
  if (crc == std::string_view::npos) return Refus::Modifiee;
  const std::string_view corps = texte.substr(0, crc);
  if (texte.substr(crc + 1) != Crc(corps)) return Refus::Modifiee;
  Evaluation lue;
  const Refus refus = LitChamps(Champs(corps), lue);
  if (refus == Refus::Aucun) evaluation = std::move(lue);
  return refus;
}

}  // namespace fiche

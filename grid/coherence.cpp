// SPDX-License-Identifier: EUPL-1.2
#include <algorithm>
#include <stdexcept>

#include "grid/codes.h"
#include "grid/coherence.h"

namespace coherence {

namespace {

using enum Chaine;
using enum Groupe;

const std::array<Case, kCases> kTable{{
    {VD2, 1, "Cohérence ", FonctionCle},
    {VD2, 2, "Orientation", FonctionCle},
    {VD2, 9, "Déplacements ext.", Exterieure},
    {VI, 1, "Gestion", Exterieure},
    {VI, 5, "Achats", Exterieure},
    {VI, 6, "Suivi du traitement", Exterieure},
    {VD2, 7, "Transferts", FonctionCle},
    {VD2, 8, "Déplacements int.", FonctionCle},
    {VD2, 3, "Toilette", Corporelle},
    {VD2, 6, "Elimination", Corporelle},
    {VD2, 4, "Habillage", Corporelle},
    {VD2, 5, "Alimentation", Corporelle},
}};

constexpr std::size_t kCoherence = 0, kOrientation = 1;  // slots 1 and 2
constexpr int kPoidsC = 3, kPoidsB = 1, kPoidsLimite = 5;

// The values of the codes of one group, added up.
template <typename Valeur>
int Somme(const Codes& cases, Groupe groupe, Valeur valeur) {
  int total = 0;
  for (int i = 1; i <= kCases; ++i) {
    if (CaseNumero(i).groupe == groupe) total += valeur(cases[static_cast<std::size_t>(i - 1)]);
  }
  return total;
}

// 1 for a code that is exactly this letter.
auto Est(const char* lettre) {
  return [lettre](const std::string& code) { return code == lettre ? 1 : 0; };
}

int Membres(Groupe groupe) {
  return static_cast<int>(std::count_if(kTable.begin(), kTable.end(),
                                        [groupe](const Case& c) { return c.groupe == groupe; }));
}

int Poids(const std::string& code) {
  if (code == "C") return kPoidsC;
  return code == "B" ? kPoidsB : 0;
}

}  // namespace

const Case& CaseNumero(int i) {
  if (i < 1 || i > kCases) throw std::out_of_range("coherence slot " + std::to_string(i));
  return kTable[static_cast<std::size_t>(i - 1)];
}

bool EstFonctionCle(int i) { return CaseNumero(i).groupe == FonctionCle; }

Codes LitCases(const std::string& vd2, const std::string& vi) {
  Codes cases;
  for (int i = 1; i <= kCases; ++i) {
    const Case& c = CaseNumero(i);
    cases[static_cast<std::size_t>(i - 1)] =
        grid::Caracteres(c.chaine == VD2 ? vd2 : vi, c.position);
  }
  return cases;
}

Drapeaux CalculeDrapeaux(const Codes& cases) {
  const bool mentale_c = cases[kCoherence] == "C" || cases[kOrientation] == "C";
  Drapeaux d;
  d.conservees = Somme(cases, FonctionCle, Est("C")) > 0 && Somme(cases, Corporelle, Est("A")) > 1;
  d.degradees = Somme(cases, FonctionCle, Est("A")) == Membres(FonctionCle) &&
                Somme(cases, Corporelle, Poids) > kPoidsLimite;
  d.exterieures = mentale_c && Somme(cases, Exterieure, Est("A")) > 0;
  return d;
}

}  // namespace coherence

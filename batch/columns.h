// SPDX-License-Identifier: EUPL-1.2
// The columns of the evaluations' file: "dossier", "nom", "prénom", "adresse" and one per
// grid row named as the sheet names the row ("Toilette du bas"), in any order, matched
// without regard to case, accents and surrounding blanks.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "grid/grid.h"

namespace batch {

constexpr int kAbsente = -1;

// A value, a column or a file as the messages quote it: « texte ».
std::string Cite(std::string_view texte);

// The text without blanks (spaces, tabs, no-break spaces) around it.
std::string Rogne(std::string_view texte);

// A name as it is compared: lower case, without accents, without surrounding blanks.
std::string NomCompare(std::string_view nom);

struct Colonnes {
  // Field index of each column, or kAbsente.
  int dossier = kAbsente, nom = kAbsente, prenom = kAbsente, adresse = kAbsente;
  std::array<int, grid::kRows> lignes{};  // grid row k at k - 1
  std::vector<std::string> entete;        // as written, for the messages
  std::size_t champs = 0;                 // fields every row must have
};

// The columns of a header; `erreur` says why it cannot be read: a column missing or twice.
// Columns with other names are left aside.
Colonnes LitEntete(const std::vector<std::string>& entete, std::string& erreur);

}  // namespace batch

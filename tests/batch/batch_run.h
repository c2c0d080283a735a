// SPDX-License-Identifier: EUPL-1.2
// The batch command run in the test's process, its outputs captured.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace batchtest {

struct Lancement {
  int statut;
  std::string sortie, erreurs;
};
// aggir --batch ARGUMENTS...
Lancement Lance(const std::vector<std::string>& arguments);

// The 24 grid rows' captions on the sheet (data/rows.txt), row k at k - 1, as a user types them.
extern const std::vector<std::string> kLignes;
// A header: dossier, nom, prénom, adresse, then the rows in grid order.
std::string Entete(char separateur = ';');

}  // namespace batchtest

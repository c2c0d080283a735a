// SPDX-License-Identifier: EUPL-1.2
// One line of the summary, as both summaries write it.
#pragma once

#include <string>

namespace batch {

struct LigneDeSynthese {
  std::string dossier, nom, prenom;
  std::string codes;  // the 17 variable codes; empty for a refused line
  std::string rang, gir, coherence, fiche;
  std::string refus;  // why the line was refused; empty when it was not
};

}  // namespace batch

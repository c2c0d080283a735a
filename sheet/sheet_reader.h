// SPDX-License-Identifier: EUPL-1.2
// The evaluation a sheet's file carries, read from its document information through libqpdf,
// which reads any PDF, also one that another program has rewritten (object streams,
// compression, an encryption without a user password, incremental updates).
#pragma once

#include <filesystem>
#include <string>

#include "sheet/stored_evaluation.h"

namespace fiche {

struct Lecture {
  Refus refus = Refus::Aucun;
  Evaluation evaluation;  // only when refus is Refus::Aucun
};

// Refused too when its boxes do not give the GIR it carries, by the grid's rules.
Lecture LitFiche(const std::filesystem::path& fichier);

// What the assessor is told of a refusal, naming the file.
std::string MessageDeRefus(Refus refus, const std::filesystem::path& fichier);

}  // namespace fiche

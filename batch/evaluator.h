// SPDX-License-Identifier: EUPL-1.2
// One thread's evaluator: each evaluation coded, scored and checked by the grid's rules, and
// printed through a writer of its own, with a host that has no display.
#pragma once

#include <filesystem>
#include <string>

#include "batch/headless_host.h"
#include "batch/sources.h"
#include "grid/coherence.h"
#include "pdf/vaROR.h"

namespace batch {

struct Resultat {
  std::string codes;  // the 17 variable codes, Cohérence to Activités du temps libre
  std::string rang, gir;
  coherence::Drapeaux drapeaux;
  std::string fiche;  // the file name of the sheet written
  std::string refus;  // why the sheet could not be written
  std::string avis;   // what the writer told of it: characters printed without their font
};

class Evaluateur {
 public:
  Evaluateur();
  Evaluateur(const Evaluateur&) = delete;
  Evaluateur& operator=(const Evaluateur&) = delete;

  // The evaluation's codes, rang, GIR and coherence findings; its sheet written into
  // `dossier` unless that is null.
  Resultat Evalue(const grid::Evaluation& evaluation, const std::filesystem::path* dossier);

 private:
  HeadlessHost host_;
  pdf::vaROR pdf_{host_};  // one writer for every sheet: the metric files are read once
};

}  // namespace batch

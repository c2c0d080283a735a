// One thread's evaluator: its own window model, with a host that has no display, through
// which each evaluation is coded, scored, checked and printed as the window does it.
#pragma once

#include <filesystem>
#include <string>

#include "app/batch/headless_host.h"
#include "app/batch/sources.h"
#include "calculator/coherence.h"
#include "calculator/saisie_aggir2.h"
#include "pdf/vaROR.h"

namespace batch {

struct Resultat {
  std::string codes;  // the 17 variable codes, Cohérence to Activités du temps libre
  std::string rang, gir;
  coherence::Drapeaux drapeaux;
  std::string fiche;  // the file name of the sheet written
  std::string refus;  // why the sheet could not be written
};

class Evaluateur {
 public:
  Evaluateur();
  Evaluateur(const Evaluateur&) = delete;
  Evaluateur& operator=(const Evaluateur&) = delete;

  // The evaluation restored as reopening a sheet restores it, its GIR computed; its sheet
  // written into `dossier` unless that is null.
  Resultat Evalue(const fiche::Evaluation& evaluation, const std::filesystem::path* dossier);

 private:
  HeadlessHost host_;
  SaisieAggir2 form_{host_};
  pdf::vaROR pdf_{host_};  // one writer for every sheet: the metric files are read once
};

}  // namespace batch

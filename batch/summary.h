// SPDX-License-Identifier: EUPL-1.2
// synthese.csv, the establishment's summary, as French spreadsheets open it: UTF-8 with a
// BOM, ";" between fields, a decimal comma. One line per evaluation, in the order read, then
// the persons per GIR with the points the regulation gives each GIR, and the GMP. Written to
// a temporary file that replaces synthese.csv only when complete; synthese.xlsx beside it
// holds the same as a workbook.
#pragma once

#include <filesystem>
#include <string>

#include "batch/evaluator.h"
#include "batch/sources.h"
#include "batch/summary_xlsx.h"
#include "batch/totals.h"
#include "platform/output_file.h"

namespace batch {

constexpr const char* kNomSynthese = "synthese.csv";

// Why an entry gives no evaluation or no sheet, naming where it comes from; empty when none.
std::string MotifDuRefus(const Entree& entree, const Resultat& resultat);

class Synthese {
 public:
  // Begins both summaries in `dossier`; false, with the reason, when it cannot be created.
  bool Commence(const std::filesystem::path& dossier, std::string& erreur);
  void Ajoute(const Entree& entree, const Resultat& resultat);
  // Writes the totals and puts both files in place; false, with the reason, on failure.
  bool Termine(std::string& erreur);
  const Totaux& Compte() const { return totaux_; }

 private:
  void Ecrit(const std::string& ligne) { fichier_.Write(ligne + "\r\n"); }
  void EcritCsv(const LigneDeSynthese& ligne);

  platform::OutputFile fichier_;
  Classeur classeur_;
  std::filesystem::path chemin_;
  Totaux totaux_;
};

}  // namespace batch

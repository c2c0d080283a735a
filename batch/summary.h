// SPDX-License-Identifier: EUPL-1.2
// synthese.csv, the establishment's summary, as French spreadsheets open it: UTF-8 with a
// BOM, ";" between fields, a decimal comma. One line per evaluation, in the order read, then
// the persons per GIR with the points the regulation gives each GIR, and the GMP. Written to
// a temporary file that replaces synthese.csv only when complete.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "batch/evaluator.h"
#include "batch/sources.h"
#include "platform/output_file.h"

namespace batch {

constexpr const char* kNomSynthese = "synthese.csv";
constexpr int kGirs = 6;

struct Totaux {
  std::size_t entrees = 0, fiches = 0, refusees = 0;
  std::array<std::size_t, kGirs> par_gir{};  // persons of GIR g at g - 1
};

// Why an entry gives no evaluation or no sheet, naming where it comes from; empty when none.
std::string MotifDuRefus(const Entree& entree, const Resultat& resultat);

// The GIR moyen pondéré: the persons' points added and divided by their number, rounded to
// the hundredth, with a decimal comma and no trailing zero ("437,5"); empty for no one.
std::string Gmp(const std::array<std::size_t, kGirs>& par_gir);

class Synthese {
 public:
  // Begins the summary in `dossier`; false, with the reason, when it cannot be created.
  bool Commence(const std::filesystem::path& dossier, std::string& erreur);
  void Ajoute(const Entree& entree, const Resultat& resultat);
  // Writes the totals and puts the file in place; false, with the reason, on failure.
  bool Termine(std::string& erreur);
  const Totaux& Compte() const { return totaux_; }

 private:
  void Ecrit(const std::string& ligne) { fichier_.Write(ligne + "\r\n"); }

  platform::OutputFile fichier_;
  std::filesystem::path chemin_;
  Totaux totaux_;
};

}  // namespace batch

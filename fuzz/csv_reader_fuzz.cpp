// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the evaluations' file: the input is the file, read as the batch command
// reads it, header and lines, without printing; UTF-8, Windows-1252 or UTF-16 alike, any
// separator (fuzz/csv_reader.dict gives the tokens). Every field must come out as UTF-8 and
// within the bound of a field, the rows must rise, a record must hold a value or a refusal,
// and a refusal about a field must name one of the record's.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "batch/csv_reader.h"
#include "batch/sources.h"
#include "fuzz/fuzz_input.h"
#include "platform/encoding.h"

namespace {

void LitEnregistrements(const std::filesystem::path& fichier) {
  batch::LecteurCsv lecteur(fichier);
  int precedente = 0;
  for (batch::Enregistrement e; lecteur.Suivant(e); precedente = e.ligne) {
    if (e.ligne <= precedente) std::abort();
    if (e.colonne >= static_cast<int>(e.champs.size())) std::abort();
    if (e.refus.empty() &&
        std::all_of(e.champs.begin(), e.champs.end(), [](const auto& c) { return c.empty(); }))
      std::abort();
    for (const std::string& champ : e.champs) {
      if (!platform::IsUtf8(champ) || champ.size() > 4 * batch::kCaracteresParChamp) std::abort();
    }
  }
}

void LitEntrees(const std::filesystem::path& fichier) {
  std::string erreur;
  const auto source = batch::OuvreCsv(fichier, erreur);
  if (!source) return;
  for (batch::Entree entree; source->Suivante(entree);) {
    if (entree.refus.empty() &&
        entree.evaluation.dossier.find_first_not_of("0123456789") != std::string::npos) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fichier = fuzzinput::WriteTemporaryFile(
      "aggir-csv-reader-fuzz.csv", std::string_view(reinterpret_cast<const char*>(data), size));
  LitEnregistrements(fichier);
  LitEntrees(fichier);
  return 0;
}

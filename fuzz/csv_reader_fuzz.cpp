// libFuzzer entry for the evaluations' file: the input is the file, read as the batch command
// reads it, header and lines, without printing. Every field must come out as UTF-8 and the
// rows must rise.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "batch/csv_reader.h"
#include "batch/sources.h"
#include "pdf/encoding.h"

namespace {

const std::filesystem::path& Fichier() {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("aggir-csv-reader-fuzz-" + std::to_string(getpid()) + ".csv");
  return file;
}

void Ecrit(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(Fichier().c_str(), "wb");
  if (file == nullptr) std::abort();
  std::fwrite(data, 1, size, file);
  std::fclose(file);
}

void LitEnregistrements() {
  batch::LecteurCsv lecteur(Fichier());
  int precedente = 0;
  for (batch::Enregistrement e; lecteur.Suivant(e); precedente = e.ligne) {
    if (e.ligne <= precedente) std::abort();
    for (const std::string& champ : e.champs) {
      if (!pdf::IsUtf8(champ)) std::abort();
    }
  }
}

void LitEntrees() {
  std::string erreur;
  const auto source = batch::OuvreCsv(Fichier(), erreur);
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
  Ecrit(data, size);
  LitEnregistrements();
  LitEntrees();
  return 0;
}

// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for reading sheets back. After a first byte 0 the input is a file, read as
// a sheet; after a byte 1 it is the text a sheet carries less its checksum, which is added so
// that the fields behind it are reached. An evaluation read from a text must write back as
// that very text.
#include <unistd.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sheet/sheet_reader.h"

namespace {

const std::filesystem::path& Fichier() {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("aggir-sheet-reader-fuzz-" + std::to_string(getpid()) + ".pdf");
  return file;
}

void Ecrit(const std::string& octets) {
  std::FILE* file = std::fopen(Fichier().c_str(), "wb");
  if (file == nullptr) std::abort();
  std::fwrite(octets.data(), 1, octets.size(), file);
  std::fclose(file);
}

std::string AvecCrc(const std::string& corps) {
  const uLong crc = crc32_z(0, reinterpret_cast<const Bytef*>(corps.data()), corps.size());
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08lX", crc);
  return corps + " " + hex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string reste(reinterpret_cast<const char*>(data) + 1, size - 1);
  if (data[0] % 2 == 0) {
    Ecrit(reste);
    fiche::LitFiche(Fichier());
    return 0;
  }
  const std::string texte = AvecCrc(reste);
  fiche::Evaluation evaluation;
  if (fiche::LitTexteDeFiche(texte, evaluation) != fiche::Refus::Aucun) return 0;
  if (fiche::TexteDeFiche(evaluation) != texte) std::abort();
  return 0;
}

// SPDX-License-Identifier: EUPL-1.2
// libxlsxwriter opens its temporary files through lxw_tmpfile and offers no buffer setting.
// The program's own definition comes first in the process's symbol lookup: it opens the file
// with libxlsxwriter's, then gives it a buffer before any read or write.
#include "batch/tmpfile_buffers.h"

#include <new>

#include "batch/next_definition.h"

namespace batch {
namespace {

constexpr std::size_t kTampon = 1 << 17;

thread_local TamponsDeFichiers* collecte = nullptr;

using OuvreTemporaire = std::FILE* (*)(char*);

OuvreTemporaire OuvreDeLibxlsxwriter() {
  static const auto suivante = DefinitionSuivante<OuvreTemporaire>("lxw_tmpfile");
  return suivante;
}

}  // namespace

TamponsDeFichiers::Collecte::Collecte(TamponsDeFichiers& tampons) : avant_(collecte) {
  collecte = &tampons;
}

TamponsDeFichiers::Collecte::~Collecte() { collecte = avant_; }

void TamponsDeFichiers::Donne(std::FILE* fichier) {
  try {
    tampons_.push_back(std::make_unique_for_overwrite<char[]>(kTampon));
  } catch (const std::bad_alloc&) {
    return;  // stdio's own buffer then
  }
  std::setvbuf(fichier, tampons_.back().get(), _IOFBF, kTampon);
}

}  // namespace batch

extern "C" std::FILE* lxw_tmpfile(char* tmpdir) {
  const batch::OuvreTemporaire suivante = batch::OuvreDeLibxlsxwriter();
  if (suivante == nullptr) return nullptr;
  std::FILE* fichier = suivante(tmpdir);
  if (fichier != nullptr && batch::collecte != nullptr) batch::collecte->Donne(fichier);
  return fichier;
}

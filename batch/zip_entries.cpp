// SPDX-License-Identifier: EUPL-1.2
// libxlsxwriter deflates the workbook's parts through minizip, with zlib, and offers no setting.
// That zip, of the whole sheet's XML at once, is the one step that waits for the last line.
// The program's own definitions of minizip's entry functions come first in the process's
// symbol lookup: each deflated entry is opened raw in minizip's, and its bytes go through
// DeflateRapide on their way in.
#include "batch/zip_entries.h"

#include <zip.h>

#include <map>
#include <memory>
#include <mutex>

#include "batch/deflate_rapide.h"
#include "batch/next_definition.h"

namespace batch {
namespace {

using OuvreEntree = decltype(&zipOpenNewFileInZip4_64);
using EcritEntree = decltype(&zipWriteInFileInZip);
using FermeEntree = decltype(&zipCloseFileInZip);

OuvreEntree OuvreDeMinizip() {
  static const auto suivante = DefinitionSuivante<OuvreEntree>("zipOpenNewFileInZip4_64");
  return suivante;
}

EcritEntree EcritDeMinizip() {
  static const auto suivante = DefinitionSuivante<EcritEntree>("zipWriteInFileInZip");
  return suivante;
}

FermeEntree FermeDeMinizip() {
  static const auto suivante = DefinitionSuivante<FermeEntree>("zipCloseFileInZip");
  return suivante;
}

// The deflated bytes go into the raw entry through minizip's own write.
DeflateRapide::Sortie VersMinizip(zipFile zip) {
  return [zip](const std::uint8_t* octets, std::size_t taille) {
    return EcritDeMinizip()(zip, octets, static_cast<unsigned>(taille));
  };
}

// The open entry of each zip that this file deflates.
class Entrees {
 public:
  static Entrees& Toutes() {
    static Entrees entrees;
    return entrees;
  }

  // A new entry replaces whatever an entry left that was never closed here.
  int Ouvre(zipFile zip, bool deflate) {
    try {
      std::unique_ptr<DeflateRapide> flux;
      if (deflate) flux = std::make_unique<DeflateRapide>(VersMinizip(zip));
      const std::lock_guard verrou(mutex_);
      entrees_.erase(zip);
      if (flux != nullptr) entrees_.emplace(zip, std::move(flux));
      return ZIP_OK;
    } catch (...) {
      return ZIP_INTERNALERROR;
    }
  }

  DeflateRapide* Trouve(zipFile zip) {
    const std::lock_guard verrou(mutex_);
    const auto entree = entrees_.find(zip);
    return entree == entrees_.end() ? nullptr : entree->second.get();
  }

  std::unique_ptr<DeflateRapide> Retire(zipFile zip) {
    const std::lock_guard verrou(mutex_);
    auto noeud = entrees_.extract(zip);
    return noeud.empty() ? nullptr : std::move(noeud.mapped());
  }

 private:
  std::mutex mutex_;
  std::map<zipFile, std::unique_ptr<DeflateRapide>> entrees_;
};

}  // namespace

void PrepareCompressionRapide() {
  OuvreDeMinizip();
  EcritDeMinizip();
  FermeDeMinizip();
}

}  // namespace batch

extern "C" int zipOpenNewFileInZip4_64(zipFile file, const char* filename,
                                       const zip_fileinfo* zipfi, const void* extrafield_local,
                                       uInt size_extrafield_local, const void* extrafield_global,
                                       uInt size_extrafield_global, const char* comment, int method,
                                       int level, int raw, int windowBits, int memLevel,
                                       int strategy, const char* password, uLong crcForCrypting,
                                       uLong versionMadeBy, uLong flagBase, int zip64) {
  const batch::OuvreEntree suivante = batch::OuvreDeMinizip();
  if (suivante == nullptr || batch::EcritDeMinizip() == nullptr) return ZIP_INTERNALERROR;
  const bool deflate = method == Z_DEFLATED && raw == 0 && password == nullptr;
  // The level only sets the entry's "fastest" flag: minizip does not compress a raw entry.
  const int ouverte = suivante(
      file, filename, zipfi, extrafield_local, size_extrafield_local, extrafield_global,
      size_extrafield_global, comment, method, deflate ? Z_BEST_SPEED : level, deflate ? 1 : raw,
      windowBits, memLevel, strategy, password, crcForCrypting, versionMadeBy, flagBase, zip64);
  if (ouverte != ZIP_OK) return ouverte;
  return batch::Entrees::Toutes().Ouvre(file, deflate);
}

extern "C" int zipWriteInFileInZip(zipFile file, const void* buf, unsigned len) {
  batch::DeflateRapide* deflate = batch::Entrees::Toutes().Trouve(file);
  if (deflate == nullptr) {
    const batch::EcritEntree suivante = batch::EcritDeMinizip();
    return suivante == nullptr ? ZIP_INTERNALERROR : suivante(file, buf, len);
  }
  return deflate->Ajoute(buf, len);
}

// The entry is closed in minizip even when its deflate failed, so that the zip stays whole.
extern "C" int zipCloseFileInZip(zipFile file) {
  const std::unique_ptr<batch::DeflateRapide> deflate = batch::Entrees::Toutes().Retire(file);
  if (deflate == nullptr) {
    const batch::FermeEntree suivante = batch::FermeDeMinizip();
    return suivante == nullptr ? ZIP_INTERNALERROR : suivante(file);
  }
  const int fin = deflate->Termine();
  const int fermeture = zipCloseFileInZipRaw64(file, deflate->TailleLue(), deflate->Crc32());
  return fin != ZIP_OK ? fin : fermeture;
}

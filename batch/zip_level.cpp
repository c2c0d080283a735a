// SPDX-License-Identifier: EUPL-1.2
// libxlsxwriter deflates the workbook's parts at zlib's default level and offers no setting.
// That zip, of the whole sheet's XML at once, is the one step that waits for the last line:
// at the fastest level it costs half the instructions, for a file about a third larger.
// The program's own definition of minizip's entry opener comes first in the process's
// symbol lookup; it hands each entry to minizip's with the fastest level.
#include "batch/zip_level.h"

#include <dlfcn.h>
#include <zip.h>

namespace batch {
namespace {

using OuvreEntree = decltype(&zipOpenNewFileInZip4_64);

OuvreEntree OuvreEntreeDeMinizip() {
  static const auto suivante =
      reinterpret_cast<OuvreEntree>(dlsym(RTLD_NEXT, "zipOpenNewFileInZip4_64"));
  return suivante;
}

}  // namespace

void PrepareCompressionRapide() { OuvreEntreeDeMinizip(); }

}  // namespace batch

extern "C" int zipOpenNewFileInZip4_64(zipFile file, const char* filename,
                                       const zip_fileinfo* zipfi, const void* extrafield_local,
                                       uInt size_extrafield_local, const void* extrafield_global,
                                       uInt size_extrafield_global, const char* comment,
                                       int method, int level, int raw, int windowBits,
                                       int memLevel, int strategy, const char* password,
                                       uLong crcForCrypting, uLong versionMadeBy, uLong flagBase,
                                       int zip64) {
  const batch::OuvreEntree suivante = batch::OuvreEntreeDeMinizip();
  if (suivante == nullptr) return ZIP_INTERNALERROR;
  if (method == Z_DEFLATED) level = Z_BEST_SPEED;
  return suivante(file, filename, zipfi, extrafield_local, size_extrafield_local,
                  extrafield_global, size_extrafield_global, comment, method, level, raw,
                  windowBits, memLevel, strategy, password, crcForCrypting, versionMadeBy,
                  flagBase, zip64);
}

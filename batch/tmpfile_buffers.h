// SPDX-License-Identifier: EUPL-1.2
// Buffers for the temporary files that libxlsxwriter opens: each sheet's rows file, and the
// sheet's whole XML, copied from it and read back into the zip at the end. Through stdio's
// 4 kB buffer that is a system call every 4 kB each way.
#pragma once

#include <cstdio>
#include <memory>
#include <vector>

namespace batch {

class TamponsDeFichiers {
 public:
  // While it lives, each temporary file that libxlsxwriter opens on this thread gets a buffer
  // from `tampons`, which must outlive the file: the workbook closes all of its files.
  class Collecte {
   public:
    explicit Collecte(TamponsDeFichiers& tampons);
    ~Collecte();
    Collecte(const Collecte&) = delete;
    Collecte& operator=(const Collecte&) = delete;

   private:
    TamponsDeFichiers* avant_;
  };

  void Donne(std::FILE* fichier);

 private:
  std::vector<std::unique_ptr<char[]>> tampons_;
};

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// The floor for the batch benchmark: as many files as the folder holds sheets, of the same
// sizes, written in the same folder by a program that does nothing else.
//   plain_files FOLDER
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: plain_files FOLDER\n", stderr);
    return 2;
  }
  const std::filesystem::path dossier = argv[1];
  std::vector<std::uintmax_t> tailles;
  for (const auto& element : std::filesystem::directory_iterator(dossier)) {
    if (element.path().extension() == ".pdf") tailles.push_back(element.file_size());
  }
  std::string octets;
  for (std::size_t i = 0; i < tailles.size(); ++i) {
    octets.assign(tailles[i], '%');
    const auto nom = dossier / ("plain-" + std::to_string(i) + ".bin");
    std::FILE* fichier = std::fopen(nom.c_str(), "wb");
    if (fichier == nullptr ||
        std::fwrite(octets.data(), 1, octets.size(), fichier) != octets.size())
      return 1;
    if (std::fclose(fichier) != 0) return 1;
  }
  return 0;
}

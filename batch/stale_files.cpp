// SPDX-License-Identifier: EUPL-1.2
#include "batch/stale_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

namespace batch {
namespace {

namespace fs = std::filesystem;

// A file being written is open from its creation to its rename; the minute covers the instant
// between its closing and its rename.
constexpr auto kRepos = std::chrono::minutes(1);

bool EstTemporaire(const std::string& nom) {
  return nom.starts_with(".vaROR.") && nom.ends_with(".tmp") && nom.size() > 11 &&
         nom.find_first_not_of("0123456789", 7) == nom.size() - 4;
}

// The files that our processes hold open, as /proc shows them.
std::set<fs::path> FichiersOuverts() {
  std::set<fs::path> ouverts;
  std::error_code code;
  for (const auto& processus : fs::directory_iterator("/proc", code)) {
    std::error_code refus;
    for (const auto& fd : fs::directory_iterator(processus.path() / "fd", refus)) {
      std::error_code lien;
      const fs::path cible = fs::read_symlink(fd.path(), lien);
      if (!lien) ouverts.insert(cible);
    }
  }
  return ouverts;
}

bool Abandonne(const fs::path& fichier) {
  struct stat etat {};
  if (::lstat(fichier.c_str(), &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_uid != ::getuid())
    return false;
  const auto modifie = std::chrono::system_clock::from_time_t(etat.st_mtime);
  return std::chrono::system_clock::now() - modifie >= kRepos;
}

}  // namespace

int RetireTemporairesAbandonnes(const fs::path& dossier) {
  std::vector<fs::path> candidats;
  std::error_code code;
  const fs::path ici = fs::weakly_canonical(dossier, code);  // as /proc names open files
  for (const auto& element : fs::directory_iterator(ici, code)) {
    if (EstTemporaire(element.path().filename().string()) && Abandonne(element.path()))
      candidats.push_back(element.path());
  }
  if (candidats.empty()) return 0;
  const std::set<fs::path> ouverts = FichiersOuverts();
  int retires = 0;
  for (const fs::path& fichier : candidats) {
    std::error_code refus;
    if (!ouverts.contains(fichier) && fs::remove(fichier, refus)) ++retires;
  }
  return retires;
}

}  // namespace batch

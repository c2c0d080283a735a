// SPDX-License-Identifier: EUPL-1.2
#include "batch/waiting_open.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "batch/columns.h"
#include "batch/interruption.h"

namespace batch {
namespace {

// A writer that is about to write gets a moment before the wait is told.
constexpr int kAvantDeLeDire = 100;  // ms
// How often a Ctrl+C is looked for, should the signal come between two polls.
constexpr int kPas = 200;  // ms

// True once a writer wrote or left; false when a signal ended the wait.
bool AttendUnEcrivain(int fd, const std::filesystem::path& fichier) {
  pollfd attente{fd, POLLIN, 0};
  bool dit = false;
  while (Interruption::Signal() == 0) {
    const int pret = ::poll(&attente, 1, dit ? kPas : kAvantDeLeDire);
    if (pret > 0 || (pret < 0 && errno != EINTR)) return true;  // the read tells the rest
    if (!dit && pret == 0) {
      std::fprintf(stderr,
                   "aggir --batch : en attente des données du fichier %s, qu'aucun programme "
                   "n'écrit encore (Ctrl+C arrête).\n",
                   Cite(fichier.string()).c_str());
      dit = true;
    }
  }
  return false;
}

std::FILE* OuvreTube(const std::filesystem::path& fichier, int& erreur) {
  const int fd = ::open(fichier.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    erreur = errno;
    return nullptr;
  }
  if (!AttendUnEcrivain(fd, fichier)) {
    ::close(fd);
    erreur = EINTR;
    return nullptr;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* flux = ::fdopen(fd, "rb");
  if (flux == nullptr) {
    erreur = errno;
    ::close(fd);
  }
  return flux;
}

}  // namespace

std::FILE* OuvreEnLecture(const std::filesystem::path& fichier, int& erreur) {
  struct stat etat {};
  if (::stat(fichier.c_str(), &etat) == 0 && S_ISFIFO(etat.st_mode))
    return OuvreTube(fichier, erreur);
  std::FILE* flux = std::fopen(fichier.c_str(), "rb");
  if (flux == nullptr) erreur = errno;
  return flux;
}

}  // namespace batch

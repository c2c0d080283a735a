// SPDX-License-Identifier: EUPL-1.2
#include "batch/progress.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>

namespace batch {
namespace {

constexpr auto kIntervalle = std::chrono::milliseconds(100);
constexpr std::size_t kLargeur = 30;  // characters of the bar itself

std::string Duree(double secondes) {
  const auto s = static_cast<long>(secondes + 0.5);
  char texte[32];
  std::snprintf(texte, sizeof texte, "%ld:%02ld", s / 60, s % 60);
  return texte;
}

}  // namespace

bool EstTerminal(std::FILE* flux) { return isatty(fileno(flux)) == 1; }

std::size_t LargeurDuTerminal(std::FILE* flux) {
  winsize taille{};
  if (ioctl(fileno(flux), TIOCGWINSZ, &taille) != 0) return 0;
  return taille.ws_col;
}

std::string Milliers(std::size_t nombre) {
  std::string chiffres = std::to_string(nombre);
  for (std::size_t i = chiffres.size(); i > 3; i -= 3) chiffres.insert(i - 3, " ");
  return chiffres;
}

Progression::Progression(std::FILE* erreurs, std::size_t total)
    : erreurs_(erreurs), terminal_(EstTerminal(erreurs)), total_(total) {}

void Progression::Avance(std::size_t faits) {
  faits_ = faits;
  const auto maintenant = std::chrono::steady_clock::now();
  if (!terminal_ || maintenant - dessin_ < kIntervalle) return;
  dessin_ = maintenant;
  Dessine();
}

void Progression::Message(const std::string& texte) {
  Efface();
  std::fprintf(erreurs_, "%s\n", texte.c_str());
  if (terminal_) Dessine();
}

void Progression::Termine() { Efface(); }

// Cut to the terminal's width: a line longer than the terminal wraps, and every redraw
// would leave a line behind. Without a total, the count and the rate alone.
void Progression::Dessine() {
  const double secondes =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - debut_).count();
  const double rythme = secondes > 0 ? static_cast<double>(faits_) / secondes : 0;
  char texte[256];
  if (total_ == 0) {
    std::snprintf(texte, sizeof texte, "%s  %.0f/s", Milliers(faits_).c_str(), rythme);
  } else {
    const std::size_t pleins = std::min(kLargeur, faits_ * kLargeur / total_);
    const std::size_t restants = total_ > faits_ ? total_ - faits_ : 0;
    const std::string reste =
        rythme > 0 ? "reste " + Duree(static_cast<double>(restants) / rythme) : "";
    std::snprintf(texte, sizeof texte, "[%s%s] %s/%s  %.0f/s  %s", std::string(pleins, '#').c_str(),
                  std::string(kLargeur - pleins, '.').c_str(), Milliers(faits_).c_str(),
                  Milliers(total_).c_str(), rythme, reste.c_str());
  }
  const std::size_t colonnes = LargeurDuTerminal(erreurs_);
  std::string ligne = texte;
  if (colonnes > 0 && ligne.size() >= colonnes) ligne.resize(colonnes - 1);
  std::fprintf(erreurs_, "\r%s\033[K", ligne.c_str());
  std::fflush(erreurs_);
}

void Progression::Efface() {
  if (!terminal_) return;
  std::fputs("\r\033[K", erreurs_);
}

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// The progress bar on standard error, only when it is a terminal: entries done out of all,
// the rate and the time left, or only the entries done and the rate when the total is not
// known (a CSV file is read once, as it comes). Messages go on lines of their own, never inside the
// bar.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>

namespace batch {

class Progression {
 public:
  // `erreurs` receives the messages; the bar is drawn only when it is a terminal.
  Progression(std::FILE* erreurs, std::size_t total);
  // Redraws the bar, at most ten times a second.
  void Avance(std::size_t faits);
  // A line of its own: the bar is wiped first and drawn again after.
  void Message(const std::string& texte);
  // Wipes the bar for good.
  void Termine();

 private:
  void Dessine();
  void Efface();

  std::FILE* erreurs_;
  bool terminal_;
  std::size_t total_;
  std::size_t faits_ = 0;
  std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
  std::chrono::steady_clock::time_point dessin_{};
};

bool EstTerminal(std::FILE* flux);
// The terminal's width in columns; 0 when not known.
std::size_t LargeurDuTerminal(std::FILE* flux);

// 1234567 as "1 234 567".
std::string Milliers(std::size_t nombre);

}  // namespace batch

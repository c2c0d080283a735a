// SPDX-License-Identifier: EUPL-1.2
// The workbook's rows written by a thread of their own while the next lot's sheets are
// printed: libxlsxwriter's XML costs about a sixth of a sheet a line, which this takes off the
// path that waits for the sheets. At most kEnAttente lines wait, so that memory stays flat;
// when no thread can start, the caller writes each line itself.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "batch/summary_line.h"

namespace batch {

class FilDeLignes {
 public:
  using Ecriture = std::function<void(const LigneDeSynthese&)>;
  static constexpr std::size_t kEnAttente = 1024;

  explicit FilDeLignes(Ecriture ecrit);
  ~FilDeLignes();
  FilDeLignes(const FilDeLignes&) = delete;
  FilDeLignes& operator=(const FilDeLignes&) = delete;

  // Waits while kEnAttente lines are waiting already.
  void Ajoute(LigneDeSynthese ligne);
  // Returns once every line given is written and the thread has ended; what the writing
  // raised is raised again here.
  void Arrete();

 private:
  void Boucle();

  Ecriture ecrit_;
  std::mutex verrou_;
  std::condition_variable place_, lignes_;
  std::vector<LigneDeSynthese> attente_;
  bool fin_ = false;
  std::exception_ptr echec_;
  std::thread fil_;
};

}  // namespace batch

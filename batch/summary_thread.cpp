// SPDX-License-Identifier: EUPL-1.2
#include "batch/summary_thread.h"

#include <system_error>
#include <utility>

namespace batch {

FilDeLignes::FilDeLignes(Ecriture ecrit) : ecrit_(std::move(ecrit)) {
  try {
    fil_ = std::thread(&FilDeLignes::Boucle, this);
  } catch (const std::system_error&) {
    // No thread: Ajoute writes each line on the caller's.
  }
}

FilDeLignes::~FilDeLignes() {
  try {
    Arrete();
  } catch (...) {
    // An abandoned workbook: what its writing met no longer matters.
  }
}

void FilDeLignes::Ajoute(LigneDeSynthese ligne) {
  if (!fil_.joinable()) {
    ecrit_(ligne);
    return;
  }
  std::unique_lock verrou(verrou_);
  place_.wait(verrou, [this] { return attente_.size() < kEnAttente; });
  attente_.push_back(std::move(ligne));
  lignes_.notify_one();
}

// The lines waiting are taken all at once and written outside the lock.
void FilDeLignes::Boucle() {
  std::vector<LigneDeSynthese> prises;
  for (;;) {
    {
      std::unique_lock verrou(verrou_);
      lignes_.wait(verrou, [this] { return fin_ || !attente_.empty(); });
      if (attente_.empty()) return;
      prises.swap(attente_);
    }
    place_.notify_one();
    try {
      for (const LigneDeSynthese& ligne : prises) ecrit_(ligne);
    } catch (...) {
      std::lock_guard verrou(verrou_);
      if (!echec_) echec_ = std::current_exception();
    }
    prises.clear();
  }
}

void FilDeLignes::Arrete() {
  if (fil_.joinable()) {
    {
      std::lock_guard verrou(verrou_);
      fin_ = true;
    }
    lignes_.notify_one();
    fil_.join();
  }
  if (echec_) std::rethrow_exception(std::exchange(echec_, nullptr));
}

}  // namespace batch

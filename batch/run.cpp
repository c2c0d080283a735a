// SPDX-License-Identifier: EUPL-1.2
#include "batch/run.h"

#include <atomic>
#include <thread>

namespace batch {
namespace {

// Large enough that the threads rarely wait for one another at the end of a lot.
constexpr std::size_t kLot = 256;

}  // namespace

Execution::Execution(unsigned fils) {
  for (unsigned i = 0; i < std::max(fils, 1u); ++i) {
    evaluateurs_.push_back(std::make_unique<Evaluateur>());
  }
}

void Execution::Traite(Source& source, const std::filesystem::path* fiches, Synthese& synthese,
                       Progression& progression) {
  for (;;) {
    lot_.clear();
    Entree entree;
    while (lot_.size() < kLot && source.Suivante(entree)) lot_.push_back(std::move(entree));
    if (lot_.empty()) return;
    TraiteLot(fiches, progression);
    for (std::size_t i = 0; i < lot_.size(); ++i) {
      synthese.Ajoute(lot_[i], resultats_[i]);
      const std::string refus = MotifDuRefus(lot_[i], resultats_[i]);
      if (!refus.empty()) progression.Message(refus);
      if (!resultats_[i].avis.empty()) {
        progression.Message(lot_[i].origine + " : " + resultats_[i].avis);
      }
    }
  }
}

// Only the calling thread draws the progress bar.
void Execution::TraiteLot(const std::filesystem::path* fiches, Progression& progression) {
  resultats_.assign(lot_.size(), {});
  std::atomic<std::size_t> suivante = 0, faites = 0;
  auto travail = [&](Evaluateur& evaluateur, bool appelant) {
    for (std::size_t i; (i = suivante++) < lot_.size();) {
      if (lot_[i].refus.empty()) resultats_[i] = evaluateur.Evalue(lot_[i].evaluation, fiches);
      ++faites;
      if (appelant) progression.Avance(faits_ + faites);
    }
  };
  {
    std::vector<std::jthread> aides;
    for (std::size_t t = 1; t < evaluateurs_.size(); ++t) {
      aides.emplace_back(travail, std::ref(*evaluateurs_[t]), false);
    }
    travail(*evaluateurs_[0], true);
  }
  faits_ += lot_.size();
  progression.Avance(faits_);
}

}  // namespace batch

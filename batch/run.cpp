// SPDX-License-Identifier: EUPL-1.2
#include "batch/run.h"

#include <atomic>
#include <string>
#include <system_error>
#include <thread>

#include "batch/interruption.h"

namespace batch {
namespace {

// Large enough that the threads rarely wait for one another at the end of a lot.
constexpr std::size_t kLot = 256;

// A line whose scoring or printing raises is refused alone; the run goes on.
Resultat EvalueSansLever(Evaluateur& evaluateur, const grid::Evaluation& evaluation,
                         const std::filesystem::path* fiches) {
  try {
    return evaluateur.Evalue(evaluation, fiches);
  } catch (const std::exception& erreur) {
    Resultat resultat;
    resultat.refus = std::string("erreur imprévue : ") + erreur.what();
    return resultat;
  } catch (...) {
    Resultat resultat;
    resultat.refus = "erreur imprévue";
    return resultat;
  }
}

}  // namespace

Execution::Execution(unsigned fils) {
  for (unsigned i = 0; i < std::max(fils, 1u); ++i) {
    evaluateurs_.push_back(std::make_unique<Evaluateur>());
  }
}

void Execution::Traite(Source& source, const std::filesystem::path* fiches, Synthese& synthese,
                       Progression& progression) {
  while (Interruption::Signal() == 0) {
    lot_.clear();
    Entree entree;
    while (lot_.size() < kLot && source.Suivante(entree)) lot_.push_back(std::move(entree));
    if (lot_.empty()) return;
    TraiteLot(fiches, progression);
    if (Interruption::Signal() != 0) return;  // the lot is not all done: no summary of it
    for (std::size_t i = 0; i < lot_.size(); ++i) {
      synthese.Ajoute(lot_[i], resultats_[i]);
      const std::string refus = MotifDuRefus(lot_[i], resultats_[i]);
      if (!refus.empty()) progression.Message(refus);
      // The writer's messages, each told once, with the first line that gave it.
      for (const std::string& message : resultats_[i].messages) {
        if (dits_.insert(message).second) progression.Message(lot_[i].origine + " : " + message);
      }
    }
  }
}

// Only the calling thread draws the progress bar.
void Execution::TraiteLot(const std::filesystem::path* fiches, Progression& progression) {
  resultats_.assign(lot_.size(), {});
  std::atomic<std::size_t> suivante = 0, faites = 0;
  auto travail = [&](Evaluateur& evaluateur, bool appelant) {
    for (std::size_t i; Interruption::Signal() == 0 && (i = suivante++) < lot_.size();) {
      if (lot_[i].refus.empty())
        resultats_[i] = EvalueSansLever(evaluateur, lot_[i].evaluation, fiches);
      ++faites;
      if (appelant) progression.Avance(faits_ + faites);
    }
  };
  {
    std::vector<std::jthread> aides;
    for (std::size_t t = 1; t < evaluateurs_.size(); ++t) {
      try {
        aides.emplace_back(travail, std::ref(*evaluateurs_[t]), false);
      } catch (const std::system_error&) {
        // A thread that cannot start means fewer threads, from now on.
        progression.Message("aggir --batch : " + std::to_string(t) +
                            (t > 1 ? " évaluations" : " évaluation") + " à la fois au lieu de " +
                            std::to_string(evaluateurs_.size()) +
                            ", le système n'en permet pas plus.");
        evaluateurs_.resize(t);
        break;
      }
    }
    travail(*evaluateurs_[0], true);
  }
  faits_ += lot_.size();
  progression.Avance(faits_);
}

}  // namespace batch

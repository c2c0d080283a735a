// SPDX-License-Identifier: EUPL-1.2
// The run over all entries, lot by lot: the entries of a lot are evaluated by several
// threads, each with its own evaluator, and then summed up and told in the order read, so
// that memory stays the same however long the list is.
#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "batch/evaluator.h"
#include "batch/progress.h"
#include "batch/sources.h"
#include "batch/summary.h"

namespace batch {

class Execution {
 public:
  // `fils` threads in all, the calling one among them.
  explicit Execution(unsigned fils);
  // Every entry of `source` into `synthese`, its sheet written into `fiches` unless null.
  void Traite(Source& source, const std::filesystem::path* fiches, Synthese& synthese,
              Progression& progression);

 private:
  void TraiteLot(const std::filesystem::path* fiches, Progression& progression);

  std::vector<std::unique_ptr<Evaluateur>> evaluateurs_;
  std::vector<Entree> lot_;
  std::vector<Resultat> resultats_;
  std::size_t faits_ = 0;
  std::set<std::string> dits_;  // the writer's messages told so far
};

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// The temporary files that runs killed without warning (SIGKILL, a power cut) left in the
// output folder: hidden ".vaROR.<n>.tmp" files, among them partial summaries with residents'
// names. A run removes those that no live run may still be writing.
#pragma once

#include <filesystem>

namespace batch {

// Removes from `dossier` each temporary file of the writer's naming that is ours, untouched
// for a minute and open in none of our processes; how many were removed.
int RetireTemporairesAbandonnes(const std::filesystem::path& dossier);

}  // namespace batch

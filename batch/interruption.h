// SPDX-License-Identifier: EUPL-1.2
// Ctrl+C and SIGTERM during a run: the run stops taking entries, lets the sheets in progress
// end, and removes its temporary files; a second signal ends the program at once.
#pragma once

namespace batch {

class Interruption {
 public:
  // Catches SIGINT and SIGTERM until destroyed.
  Interruption();
  ~Interruption();
  Interruption(const Interruption&) = delete;
  Interruption& operator=(const Interruption&) = delete;

  // The signal received, 0 if none.
  static int Signal();
};

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// The batch command alone, as `aggir --batch ARGUMENTS...` runs it, without the window's
// libraries: batch_command ARGUMENTS...
#include <string>
#include <vector>

#include "batch/batch.h"

int main(int argc, char** argv) {
  return batch::Lance(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}

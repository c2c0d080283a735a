// SPDX-License-Identifier: EUPL-1.2
// The batch command in a process of its own, for what needs one: standard input, a FIFO,
// signals. batch_process ARGUMENTS... runs aggir --batch ARGUMENTS...
#include "batch/batch.h"

int main(int argc, char** argv) {
  return batch::Lance(std::vector<std::string>(argv + 1, argv + argc), stdout, stderr);
}

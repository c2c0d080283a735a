// SPDX-License-Identifier: EUPL-1.2
// Draws the evaluation sheet's page from the command line, so that whole processes can be
// compared (valgrind, hyperfine, /usr/bin/time):
//   --files N PREFIX   N one-page documents PREFIX-0001.pdf, PREFIX-0002.pdf, ...
//   --pages N FILE     one document of N pages
// A last argument NAME gives the person's name, in any alphabet, in place of the example's.
// Built once per library; SHEET_WRITER names the function that writes a document.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "sheet_documents.h"

namespace {

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s --files N PREFIX | --pages N FILE   [NAME]   (N from 1)\n",
               program);
  return 2;
}

std::string NumberedFile(const std::string& prefix, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "-%04d.pdf", number);
  return prefix + digits;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) return Usage(argv[0]);
  const std::string mode = argv[1];
  char* end = nullptr;
  const long count = std::strtol(argv[2], &end, 10);
  if (*end != '\0' || count < 1 || count > 1000000) return Usage(argv[0]);
  const int n = static_cast<int>(count);
  const grid::Evaluation evaluation =
      argc == 5 ? sheetbench::NamedEvaluation(argv[4]) : sheetbench::ExampleEvaluation();
  try {
    if (mode == "--files") {
      for (int number = 1; number <= n; ++number) {
        sheetbench::SHEET_WRITER(NumberedFile(argv[3], number), 1, evaluation);
      }
    } else if (mode == "--pages") {
      sheetbench::SHEET_WRITER(argv[3], n, evaluation);
    } else {
      return Usage(argv[0]);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}

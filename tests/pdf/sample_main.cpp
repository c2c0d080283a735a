// SPDX-License-Identifier: EUPL-1.2
// Writes the whole-document tests' sample to the file named on the command line, for the
// README's picture (scripts/writer_sample.sh).
#include <iostream>

#include "sample_document.h"
#include "test_support/recording_host.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: pdf_sample FILE.pdf\n";
    return 2;
  }
  platform::RecordingHost host;
  pdf::vaROR writer(host);
  pdftest::WriteSample(writer, argv[1]);
  return 0;
}

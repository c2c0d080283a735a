// SPDX-License-Identifier: EUPL-1.2
// Prints the documentation's example evaluation through the window's own "Imprimer", as if
// the program stood in this tool's folder: sheet_sample writes 123.pdf beside itself.
#include <cstdio>

#include "calculator/saisie_aggir2.h"
#include "test_support/recording_host.h"
#include "test_support/ticks.h"

int main(int, char** argv) {
  platform::RecordingHost host;
  host.program_folder = std::filesystem::absolute(argv[0]).parent_path();
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  example::Saisit(form);
  form.SSCommand1_Click();
  std::puts(host.opened_pdfs.at(0).string().c_str());
  return 0;
}

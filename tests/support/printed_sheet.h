// SPDX-License-Identifier: EUPL-1.2
// Sheets printed by a window of their own into a scratch folder, with the build's metric
// files: the program's folder is the build's, read-only, so sheets go to the documents folder.
#pragma once

#include <filesystem>

#include "calculator/saisie_aggir2.h"
#include "test_support/files.h"
#include "test_support/recording_host.h"

class SheetPrinter {
 public:
  SheetPrinter() {
    host.program_folder = AGGIR_PROGRAM_DIR;
    host.read_only_folders = {AGGIR_PROGRAM_DIR};
    host.documents_folder = dir.path();
    form.Form_Load();
    form.Form_Activate();
  }

  // "Imprimer" on the evaluation the window holds; the sheet's file.
  std::filesystem::path Print() {
    form.SSCommand1_Click();
    return dir.path() / (form.TxtDossier.Text + ".pdf");
  }

  platform::RecordingHost host;
  pdftest::ScratchDir dir;
  SaisieAggir2 form{host};
};

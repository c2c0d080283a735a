// SPDX-License-Identifier: EUPL-1.2
// A whole establishment end to end: the 240 evaluations of data/establishment.csv (every GIR,
// cells in any order and case, NFP, quoted addresses, columns in an order of their own)
// printed with --jobs 2. The summary, every code, rang, GIR and the GMP, against its reviewed
// copy; every sheet valid; a sheet equal to the one the window prints for the same
// evaluation; the summary of the sheets equal to the summary of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "batch/columns.h"
#include "batch/cotation.h"
#include "batch/csv_reader.h"
#include "batch_run.h"
#include "calculator/saisie_aggir2.h"
#include "calculator/window/layout.h"
#include "test_support/files.h"
#include "test_support/golden.h"
#include "test_support/recording_host.h"
#include "test_support/ticks.h"

namespace {

namespace fs = std::filesystem;

const fs::path kEtablissement = AGGIR_SOURCE_DIR "/tests/batch/data/establishment.csv";
// Names and file numbers a spreadsheet would take for formulas or numbers.
const fs::path kHostile = AGGIR_SOURCE_DIR "/tests/batch/data/hostile.csv";

class EndToEndTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<pdftest::ScratchDir>();
    lancement_ = batchtest::Lance({kEtablissement, "--out", Fiches(), "--jobs", "2"});
    batchtest::Lance({kHostile, "--out", Hostile()});
  }
  static void TearDownTestSuite() { dir_.reset(); }
  static fs::path Fiches() { return dir_->path() / "b"; }
  static fs::path Hostile() { return dir_->path() / "h"; }

  static inline std::unique_ptr<pdftest::ScratchDir> dir_;
  static inline batchtest::Lancement lancement_;
};

TEST_F(EndToEndTest, EverySheetValidEveryGirRightAndTheGmp) {
  ASSERT_EQ(lancement_.statut, 0) << lancement_.erreurs;
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/batch/golden/establishment_summary.csv",
               lancement_.sortie + pdftest::ReadFile(Fiches() / "synthese.csv"));
  const auto controle =
      pdftest::RunTool("for f in '" + Fiches().string() +
                       "'/*.pdf; do qpdf --check \"$f\" >/dev/null || echo \"$f\"; "
                       "done; ls '" +
                       Fiches().string() + "' | wc -l");
  EXPECT_EQ(controle.output, "242\n");  // 240 sheets and both summaries
}

// What the user does in the window for the evaluation of record `rang`: types, ticks,
// "Calcul du GIR", "Imprimer".
fs::path ImprimeDansLaFenetre(int rang, const fs::path& dossier) {
  batch::LecteurCsv lecteur(kEtablissement);
  batch::Enregistrement entete, e;
  lecteur.Suivant(entete);
  std::string erreur;
  const batch::Colonnes colonnes = batch::LitEntete(entete.champs, erreur);
  for (int i = 0; i <= rang; ++i) lecteur.Suivant(e);
  auto champ = [&](int colonne) { return e.champs[static_cast<std::size_t>(colonne)]; };
  platform::RecordingHost host;
  host.program_folder = AGGIR_PROGRAM_DIR;
  host.read_only_folders = {AGGIR_PROGRAM_DIR};
  host.documents_folder = dossier;
  SaisieAggir2 form{host};
  form.Form_Load();
  form.Form_Activate();
  form.TxtNom.Text = champ(colonnes.nom);
  form.TxtPrenom.Text = champ(colonnes.prenom);
  form.TxtDossier_Accepte(champ(colonnes.dossier));
  form.TxtAdresse.Text = champ(colonnes.adresse);
  for (int k = 1; k <= 24; ++k) {
    const std::string cellule = champ(colonnes.lignes[static_cast<std::size_t>(k - 1)]);
    if (cellule == "nfp") {
      saisie::CocheNeFaitPas(form, k);
      continue;
    }
    const auto adverbes = batch::LitCotation(cellule);
    for (int j = 1; j <= 4; ++j) {
      if (!adverbes->test(static_cast<std::size_t>(j - 1))) continue;
      saisie::CocheAdverbe(form, layout::AdverbBox(k, j));
    }
  }
  form.SSCommand7_Click();
  form.SSCommand1_Click();
  return dossier / (champ(colonnes.dossier) + ".pdf");
}

// Every digit among the `largeur` characters after each `avant` becomes 0.
void Zeros(std::string& texte, const std::string& avant, std::size_t largeur) {
  for (auto at = texte.find(avant); at != std::string::npos; at = texte.find(avant, at + 1)) {
    const std::size_t fin = std::min(texte.size(), at + avant.size() + largeur);
    for (std::size_t i = at + avant.size(); i < fin; ++i) {
      if (texte[i] >= '0' && texte[i] <= '9') texte[i] = '0';
    }
  }
}

// The creation time and the date printed are the moment's; the folders have names as long.
// (No std::regex: GCC 12 warns inside it under the sanitizers.)
std::string SansDate(std::string pdf) {
  Zeros(pdf, "D:", 14);
  Zeros(pdf, "le ", 10);
  return pdf;
}

TEST_F(EndToEndTest, SheetEqualToTheWindowsButForFooterPathAndTime) {
  const fs::path fenetre = dir_->path() / "w";
  fs::create_directories(fenetre);
  for (const int i : {5, 11}) {
    const fs::path imprimee = ImprimeDansLaFenetre(i, fenetre);
    std::string batch = pdftest::ReadFile(Fiches() / imprimee.filename());
    const std::string chemin = Fiches().string();
    for (std::size_t at; (at = batch.find(chemin)) != std::string::npos;) {
      batch.replace(at, chemin.size(), fenetre.string());
    }
    EXPECT_EQ(SansDate(batch), SansDate(pdftest::ReadFile(imprimee))) << imprimee;
  }
}

TEST_F(EndToEndTest, SummaryOfTheSheetsEqualsTheSummaryOfTheFile) {
  const auto relecture = batchtest::Lance({Fiches(), "--out", dir_->path() / "s"});
  EXPECT_EQ(relecture.statut, 0) << relecture.erreurs;
  EXPECT_EQ(pdftest::ReadFile(dir_->path() / "s" / "synthese.csv"),
            pdftest::ReadFile(Fiches() / "synthese.csv"));
  auto gmp = [](const std::string& bilan) { return bilan.substr(bilan.find(", GMP ")); };
  EXPECT_EQ(relecture.sortie, "240 fiches lues, 0 refusée" + gmp(lancement_.sortie));
}

// Both workbooks as openpyxl reads them: every cell typed, no formula.
TEST_F(EndToEndTest, WorkbookTypedWithFiltersWidthsChartAndNoFormula) {
  for (const auto& [dossier, golden] : {std::pair{Fiches(), "establishment_workbook.txt"},
                                        std::pair{Hostile(), "hostile_workbook.txt"}}) {
    const auto lu = pdftest::RunTool(std::string(AGGIR_DEBIAN_PYTHON " ") + AGGIR_SOURCE_DIR +
                                     "/tests/batch/read_summary.py workbook '" +
                                     (dossier / "synthese.xlsx").string() + "'");
    ExpectGolden(std::string(AGGIR_SOURCE_DIR "/tests/batch/golden/") + golden, lu.output);
  }
}

// Both CSV summaries as LibreOffice opens them by default: every cell in its column, the GMP
// a number, no formula; both workbooks as LibreOffice reads them, cell for cell openpyxl's.
TEST_F(EndToEndTest, SummariesInLibreOffice) {
  std::string commande = std::string(AGGIR_DEBIAN_PYTHON " ") + AGGIR_SOURCE_DIR +
                         "/tests/batch/read_summary.py libreoffice";
  for (const char* nom : {"synthese.csv", "synthese.xlsx"}) {
    for (const fs::path& dossier : {Fiches(), Hostile()})
      commande += " '" + (dossier / nom).string() + "'";
  }
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/batch/golden/libreoffice_summaries.txt",
               pdftest::RunTool(commande).output);
}

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// The summaries as spreadsheets read them: fields quoted at every separator an import may
// split at, no text taken for a formula; the writer's messages kept by the batch's host.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "batch/headless_host.h"
#include "batch/summary_text.h"
#include "batch/summary_thread.h"
#include "test_support/golden.h"

namespace {

TEST(SyntheseCsvTest, QuotedAtEverySeparatorAndNeverAFormulaTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/summary_fields.txt",
              [](const std::string& texte) { return batch::ChampCsv(texte); });
}

}  // namespace

namespace {

// The writer's messages are kept for the batch to tell, one line each, and told once.
TEST(HeadlessHostTest, MessagesKeptOnOneLineThenTaken) {
  batch::HeadlessHost host;
  EXPECT_EQ(host.ShowMessage("Code 7 invalide.\r\nValeur utilisée : 0", "Couleur - vaROR 4.0",
                             platform::MessageIcon::Critical, platform::MessageButtons::YesNo),
            platform::MessageAnswer::Yes);
  host.ShowMessage("a\nb\rc", "T", platform::MessageIcon::None, platform::MessageButtons::Ok);
  EXPECT_EQ(host.PrendsMessages(),
            (std::vector<std::string>{"Couleur - vaROR 4.0 : Code 7 invalide. Valeur utilisée : 0",
                                      "T : a b c"}));
  EXPECT_TRUE(host.PrendsMessages().empty());
}

}  // namespace

namespace {

batch::LigneDeSynthese Ligne(const std::string& dossier) {
  batch::LigneDeSynthese ligne;
  ligne.dossier = dossier;
  return ligne;
}

// The workbook's thread: every line given is written, in the order given, once Arrete returns,
// whether the lines fit in the queue or make the caller wait for room; a failure of the writing
// is raised on the caller's thread.
TEST(FilDeLignesTest, EveryLineWrittenInOrderBeforeArreteReturns) {
  constexpr std::size_t kPlace = batch::FilDeLignes::kEnAttente;
  for (const std::size_t lignes :
       {std::size_t{0}, std::size_t{1}, kPlace, kPlace + 1, 3 * kPlace}) {
    std::vector<std::string> ecrites;
    batch::FilDeLignes fil(
        [&ecrites](const batch::LigneDeSynthese& l) { ecrites.push_back(l.dossier); });
    std::vector<std::string> donnees;
    for (std::size_t i = 0; i < lignes; ++i) {
      donnees.push_back(std::to_string(i));
      fil.Ajoute(Ligne(donnees.back()));
    }
    fil.Arrete();
    EXPECT_EQ(ecrites, donnees) << lignes << " lines";
  }
  batch::FilDeLignes fil([](const batch::LigneDeSynthese& l) {
    if (l.dossier == "2") throw std::runtime_error("disque");
  });
  for (const char* dossier : {"1", "2", "3"}) fil.Ajoute(Ligne(dossier));
  EXPECT_THROW(fil.Arrete(), std::runtime_error);
}

}  // namespace

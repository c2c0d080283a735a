// SPDX-License-Identifier: EUPL-1.2
// The summaries as spreadsheets read them: fields quoted at every separator an import may
// split at, no text taken for a formula; the writer's messages kept by the batch's host.
#include <gtest/gtest.h>

#include "batch/headless_host.h"
#include "batch/summary_text.h"
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

// SPDX-License-Identifier: EUPL-1.2
// The summaries as spreadsheets read them: fields quoted at every separator an import may
// split at, no text taken for a formula.
#include <gtest/gtest.h>

#include "batch/summary_text.h"
#include "test_support/golden.h"

namespace {

TEST(SyntheseCsvTest, QuotedAtEverySeparatorAndNeverAFormulaTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/summary_fields.txt",
              [](const std::string& texte) { return batch::ChampCsv(texte); });
}

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// The text a sheet carries: one evaluation's text in full, and every text that no sheet of
// this version can carry, refused.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "sheet/stored_evaluation.h"
#include "test_support/example_evaluation.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

using fiche::Refus;

// The documentation's evaluation (GIR 4) with an identity that needs encoding.
fiche::Evaluation Exemple() {
  fiche::Evaluation evaluation = example::Evaluation();
  evaluation.nom = "Lefèvre";
  evaluation.adresse = "12, rue de l'Église (bât. B) – Quimper";
  return evaluation;
}

constexpr const char* kTexte =
    "AGGIR1 123 Lef%C3%A8vre Jeanne "
    "12%2C%20rue%20de%20l%27%C3%89glise%20%28b%C3%A2t.%20B%29%20%E2%80%93%20Quimper "
    "00000C88C008008C00CCFC00 4 10 82619128";

TEST(StoredEvaluationTest, OneEvaluationAndItsText) {
  const fiche::Evaluation exemple = Exemple();
  EXPECT_EQ(fiche::TexteDeFiche(exemple), kTexte);
  fiche::Evaluation lue;
  ASSERT_EQ(fiche::LitTexteDeFiche(kTexte, lue), Refus::Aucun);
  EXPECT_EQ(lue, exemple);
}

std::string SansCrc(const std::string& texte) { return texte.substr(0, texte.rfind(' ')); }

// The texts of golden/stored_texts.txt, each read into the example evaluation. Each is also a
// seed of the sheet reader's fuzz target, which reads a text without its checksum after a 1.
std::string Read(const std::string& texte) {
  static constexpr const char* kRefus[] = {"Aucun",       "Absent",   "Dossier",
                                           "Illisible",   "Protege",  "Endommage",
                                           "PasUneFiche", "Modifiee", "FormatPlusRecent"};
  const fiche::Evaluation avant = Exemple();
  fiche::Evaluation evaluation = avant;
  const Refus refus = fiche::LitTexteDeFiche(texte, evaluation);
  EXPECT_EQ(evaluation, avant) << texte;  // the example's own text gives it back
  pdftest::WriteFuzzSeed("sheet_reader", "text-" + std::to_string(std::hash<std::string>{}(texte)),
                         '\1' + SansCrc(texte));
  return kRefus[static_cast<int>(refus)];
}

TEST(StoredEvaluationTest, TextsAndWhatTheyGive) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/sheet/golden/stored_texts.txt", Read);
}

}  // namespace

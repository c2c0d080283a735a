// The text a sheet carries: one evaluation's text in full, and every text that no sheet of
// this version can carry, refused.
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "calculator/stored_evaluation.h"
#include "tests/calculator/window_fixture.h"
#include "tests/pdf/support.h"
#include "tools/example_evaluation.h"

namespace {

using fiche::Refus;

// The documentation's evaluation (GIR 4) with an identity that needs encoding.
fiche::Evaluation Exemple() {
  platform::RecordingHost host;
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  example::Saisit(form);
  form.TxtNom.Text = "Lefèvre";
  form.TxtAdresse.Text = "12, rue de l'Église (bât. B) – Quimper";
  return form.EvaluationAffichee();
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
  EXPECT_TRUE(fiche::GirConcorde(lue));
}

std::string SansCrc(const std::string& texte) { return texte.substr(0, texte.rfind(' ')); }

std::string AvecCrc(const std::string& corps) {
  const uLong crc =
      crc32(0, reinterpret_cast<const Bytef*>(corps.data()), static_cast<uInt>(corps.size()));
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08lX", crc);
  return corps + " " + hex;
}

// The example's text with field `champ` (0 the version .. 7 the rang) replaced, checksummed
// again: well kept, but not what this version writes.
std::string Champ(std::size_t champ, const std::string& valeur) {
  std::vector<std::string> champs;
  std::string corps = SansCrc(kTexte) + ' ';
  for (std::size_t fin; (fin = corps.find(' ')) != std::string::npos; corps.erase(0, fin + 1)) {
    champs.push_back(corps.substr(0, fin));
  }
  champs.at(champ) = valeur;
  std::string texte = champs[0];
  for (std::size_t i = 1; i < champs.size(); ++i) texte += ' ' + champs[i];
  return AvecCrc(texte);
}

struct TexteRefuse {
  const char* nom;
  std::string texte;
  Refus refus;
};

class RefusedTextTest : public ::testing::TestWithParam<TexteRefuse> {};

TEST_P(RefusedTextTest, GivesNoEvaluation) {
  const fiche::Evaluation avant = Exemple();
  fiche::Evaluation evaluation = avant;
  EXPECT_EQ(fiche::LitTexteDeFiche(GetParam().texte, evaluation), GetParam().refus);
  EXPECT_EQ(evaluation, avant);
  // The fuzz target reads a text without its checksum after a byte 1.
  pdftest::WriteFuzzSeed("sheet_reader", std::string("text-") + GetParam().nom,
                         '\1' + SansCrc(GetParam().texte));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedTextTest,
    ::testing::Values(
        TexteRefuse{"Empty", "", Refus::PasUneFiche},
        TexteRefuse{"OtherKeywords", "AGGIR; GIR; autonomie", Refus::PasUneFiche},
        TexteRefuse{"VersionZero", Champ(0, "AGGIR0"), Refus::PasUneFiche},
        TexteRefuse{"VersionLeadingZero", Champ(0, "AGGIR02"), Refus::PasUneFiche},
        TexteRefuse{"Later", "AGGIR2 anything at all", Refus::FormatPlusRecent},
        TexteRefuse{"MuchLater", "AGGIR123456789012345678901234567890", Refus::FormatPlusRecent},
        TexteRefuse{"OneLetterChanged", std::string(kTexte).replace(11, 1, "M"), Refus::Modifiee},
        TexteRefuse{"NoChecksum", SansCrc(kTexte), Refus::Modifiee},
        TexteRefuse{"NameAlone", "AGGIR1", Refus::Modifiee},
        TexteRefuse{"AnotherChecksum", SansCrc(kTexte) + " 82619129", Refus::Modifiee},
        TexteRefuse{"FieldMissing", AvecCrc(SansCrc(SansCrc(kTexte))), Refus::Modifiee},
        TexteRefuse{"FieldTooMany", AvecCrc(SansCrc(kTexte) + " 4"), Refus::Modifiee},
        TexteRefuse{"LetterEncoded", Champ(3, "J%65anne"), Refus::Modifiee},
        TexteRefuse{"LowerCaseEncoding", Champ(2, "Lef%c3%a8vre"), Refus::Modifiee},
        TexteRefuse{"EncodingCut", Champ(2, "Lef%C"), Refus::Modifiee},
        TexteRefuse{"RawAccent", Champ(2, "Lefèvre"), Refus::Modifiee},
        TexteRefuse{"LetterInFileNumber", Champ(1, "12a"), Refus::Modifiee},
        TexteRefuse{"SlashInFileNumber", Champ(1, "..%2F123"), Refus::Modifiee},
        TexteRefuse{"BoxesShort", Champ(5, "00000C88C008008C00CCFC0"), Refus::Modifiee},
        TexteRefuse{"BoxesLowerCase", Champ(5, "00000c88c008008c00ccfc00"), Refus::Modifiee},
        TexteRefuse{"GirSeven", Champ(6, "7"), Refus::Modifiee},
        TexteRefuse{"RangZero", Champ(7, "0"), Refus::Modifiee},
        TexteRefuse{"RangFourteen", Champ(7, "14"), Refus::Modifiee},
        TexteRefuse{"RangLeadingZero", Champ(7, "09"), Refus::Modifiee}),
    [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace

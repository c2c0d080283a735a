// SPDX-License-Identifier: EUPL-1.2
// Sheets opened again: the evaluation comes back whole, also from a file another program
// rewrote. Refused files and the question before opening are in golden/sessions.txt.
#include <random>
#include <string>
#include <vector>

#include "test_support/printed_sheet.h"
#include "test_support/ticks.h"
#include "window_fixture.h"

namespace {

namespace fs = std::filesystem;

// What the window shows: every control's value, caption or text, visibility and enabling.
std::string Ecran(const SaisieAggir2& form) {
  std::string etat;
  for (const window::Control* c : form.Controls()) {
    etat += c->Name + std::to_string(c->Index) + (c->Visible ? " v" : " h") +
            (c->Enabled ? "e " : "d ");
    if (const auto* texte = dynamic_cast<const window::TextBox*>(c)) etat += texte->Text;
    if (const auto* label = dynamic_cast<const window::Label*>(c)) etat += label->Caption();
    if (const auto* panel = dynamic_cast<const window::Panel*>(c)) etat += panel->Caption;
    if (const auto* box = dynamic_cast<const window::CheckBox*>(c))
      etat += std::to_string(box->Value);
    etat += '\n';
  }
  return etat;
}

struct FenetreNeuve {
  FenetreNeuve() {
    form.Form_Load();
    form.Form_Activate();
  }
  platform::RecordingHost host;
  SaisieAggir2 form{host};
};

// Pieces of identities: quotes, parentheses, a backslash, accents, the euro, a snowman and
// an emoji, besides letters, digits and blanks.
const std::vector<std::string> kMorceaux = {"a",  "Z", "7", " ", "\"", "'", "(", ")",
                                            "\\", "%", ",", "é", "É",  "€", "☃", "😀"};

// Empty, 300 characters, or 1 to 40.
std::string Identite(std::mt19937& alea) {
  const auto tirage = alea() % 4;
  if (tirage == 0) return "";
  const auto longueur = tirage == 1 ? 300 : 1 + alea() % 40;
  std::string texte;
  for (std::size_t i = 0; i < longueur; ++i) texte += kMorceaux[alea() % kMorceaux.size()];
  return texte;
}

// Each row empty, NE FAIT PAS, or any of its adverbs, ticked through the user's handlers:
// three adverbs ask the question, which the fake host answers Yes.
void Coche(SaisieAggir2& form, std::mt19937& alea) {
  for (int k = 1; k <= 24; ++k) {
    const auto tirage = alea() % 3;
    if (tirage == 1) {
      saisie::CocheNeFaitPas(form, k);
    }
    for (int i = 4 * k - 3; tirage == 2 && i <= 4 * k; ++i) {
      if (alea() % 2 == 0) continue;
      saisie::CocheAdverbe(form, i);
    }
  }
}

void SaisitAuHasard(SaisieAggir2& form, std::mt19937& alea) {
  form.BtnSupprimer_Click();  // "Saisir"
  form.TxtDossier.Text = std::to_string(alea() % 1000000);
  form.TxtNom.Text = Identite(alea);
  form.TxtPrenom.Text = Identite(alea);
  form.TxtAdresse.Text = Identite(alea);
  Coche(form, alea);
  form.SSCommand7_Click();
}

// Printed through "Imprimer", opened in a fresh window: the same screen, and no question.
TEST(ReopenTest, RandomEvaluationsComeBackWhole) {
  SheetPrinter imprimante;
  std::mt19937 alea(16);
  for (int n = 0; n < 2000; ++n) {
    SaisitAuHasard(imprimante.form, alea);
    const fs::path fiche = imprimante.Print();
    FenetreNeuve ouverte;
    ouverte.form.OuvreFiche(fiche);
    ASSERT_EQ(Ecran(ouverte.form), Ecran(imprimante.form)) << "evaluation " << n;
    ASSERT_TRUE(ouverte.host.messages.empty()) << ouverte.host.messages.front().text;
    if (n < 4) {
      pdftest::WriteFuzzSeed("sheet_reader", "sheet-" + std::to_string(n),
                             '\0' + pdftest::ReadFile(fiche));
    }
  }
}

struct Reecriture {
  const char* nom;
  const char* options;
};

class RewrittenSheetTest : public ::testing::TestWithParam<Reecriture> {};

TEST_P(RewrittenSheetTest, StillOpens) {
  SheetPrinter imprimante;
  std::mt19937 alea(1);
  for (int n = 0; n < 12; ++n) {
    SaisitAuHasard(imprimante.form, alea);
    const fs::path fiche = imprimante.Print();
    const fs::path reecrite = imprimante.dir.path() / "rewritten.pdf";
    const auto qpdf = pdftest::RunTool(std::string("qpdf ") + GetParam().options + " '" +
                                       fiche.string() + "' '" + reecrite.string() + "'");
    ASSERT_EQ(qpdf.status, 0) << qpdf.output;
    FenetreNeuve ouverte;
    ouverte.form.OuvreFiche(reecrite);
    ASSERT_EQ(Ecran(ouverte.form), Ecran(imprimante.form)) << "evaluation " << n;
    if (n == 0) {
      pdftest::WriteFuzzSeed("sheet_reader", std::string("rewritten-") + GetParam().nom,
                             '\0' + pdftest::ReadFile(reecrite));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Qpdf, RewrittenSheetTest,
                         ::testing::Values(Reecriture{"ObjectStreams", "--object-streams=generate"},
                                           Reecriture{"Linearized", "--linearize"},
                                           Reecriture{"EmptyPasswordAes256",
                                                      "--encrypt '' owner 256 --"}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace

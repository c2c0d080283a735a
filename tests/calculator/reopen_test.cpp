// Sheets opened again: the evaluation comes back whole, also from a file another program
// rewrote; a file that gives none is refused and the window stays as it was.
#include <random>
#include <string>
#include <vector>

#include "calculator/sheet_reader.h"
#include "tests/calculator/printed_sheet.h"
#include "tests/calculator/window_fixture.h"
#include "tools/example_evaluation.h"

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
      form.ADV4(100 + k).Value = 1;
      form.ADV4_Click(100 + k);
    }
    for (int i = 4 * k - 3; tirage == 2 && i <= 4 * k; ++i) {
      if (alea() % 2 == 0) continue;
      form.ADV(i).Value = 1;
      form.ADV_Click(i);
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
    if (n == 0) imprimante.form.TxtDossier.Text.clear();  // the sheet ".pdf"
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

// The documentation's evaluation printed; the window under test holds another one.
class ReopenWindowTest : public WindowTest {
 protected:
  ReopenWindowTest() {
    example::Saisit(imprimante.form);
    fiche = imprimante.Print();
  }

  SheetPrinter imprimante;
  fs::path fiche;
};

// A copy of the sheet with one piece of its bytes replaced by another as long.
fs::path Remplace(const fs::path& fiche, const std::string& avant, const std::string& apres) {
  std::string octets = pdftest::ReadFile(fiche);
  EXPECT_EQ(avant.size(), apres.size());
  const std::size_t place = octets.find(avant);
  EXPECT_NE(place, std::string::npos) << avant;
  const fs::path copie = fiche.parent_path() / "copie.pdf";
  pdftest::WriteFile(copie, octets.replace(place, avant.size(), apres));
  return copie;
}

constexpr const char* kBoites = " 00000C88C008008C00CCFC00 ";

// Its text written again, checksum and all, for a GIR its boxes do not give.
fs::path AutreGir(const fs::path& fiche) {
  fiche::Evaluation evaluation = fiche::LitFiche(fiche).evaluation;
  const std::string texte = fiche::TexteDeFiche(evaluation);
  evaluation.gir = "1";
  return Remplace(fiche, texte, fiche::TexteDeFiche(evaluation));
}

fs::path Ecrit(const fs::path& fiche, const std::string& octets) {
  const fs::path copie = fiche.parent_path() / "copie.pdf";
  pdftest::WriteFile(copie, octets);
  return copie;
}

fs::path Protegee(const fs::path& fiche) {
  const fs::path copie = fiche.parent_path() / "copie.pdf";
  pdftest::RunTool("qpdf --encrypt user owner 256 -- '" + fiche.string() + "' '" + copie.string() +
                   "'");
  return copie;
}

struct FichierRefuse {
  const char* nom;
  fs::path (*fichier)(const fs::path& fiche);  // made from a good sheet
  const char* avant;                           // the message, before and after the file's name
  const char* apres;
};

class RefusedFileTest : public ReopenWindowTest,
                        public ::testing::WithParamInterface<FichierRefuse> {};

// One message naming the file, and nothing else changes: identity, boxes, codes, panels, GIR.
TEST_P(RefusedFileTest, IsToldAndChangesNothing) {
  example::Saisit(form);
  form.TxtNom.Text = "Martin";
  form.SSCommand2_Click();  // "Vérifier"
  const std::string avant = Ecran(form);
  const fs::path fichier = GetParam().fichier(fiche);
  form.OuvreFiche(fichier);
  EXPECT_EQ(Ecran(form), avant);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, GetParam().avant + fichier.string() + GetParam().apres);
  EXPECT_EQ(host.messages[0].title, "Modèle SORVANE");
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Critical);
  if (fs::is_regular_file(fichier)) {
    pdftest::WriteFuzzSeed("sheet_reader", std::string("refused-") + GetParam().nom,
                           '\0' + pdftest::ReadFile(fichier));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    ::testing::Values(
        FichierRefuse{"Missing", [](const fs::path& f) { return f.parent_path() / "absente.pdf"; },
                      "Le fichier « ", " » est introuvable."},
        FichierRefuse{"Folder", [](const fs::path& f) { return f.parent_path(); }, "« ",
                      " » est un dossier : choisissez une fiche d'évaluation (un fichier PDF)."},
        FichierRefuse{"Device", [](const fs::path&) { return fs::path("/dev/null"); },
                      "Le fichier « ", " » ne peut pas être lu."},
        FichierRefuse{"Password", Protegee, "Le fichier « ",
                      " » est protégé par un mot de passe : la calculette ne peut pas le lire."},
        FichierRefuse{"NotPdf", [](const fs::path& f) { return Ecrit(f, "Bonjour\n"); },
                      "Le fichier « ",
                      " » n'est pas un document PDF lisible : il est endommagé ou tronqué."},
        FichierRefuse{"Truncated",
                      [](const fs::path& f) {
                        const std::string octets = pdftest::ReadFile(f);
                        return Ecrit(f, octets.substr(0, octets.size() / 2));
                      },
                      "Le fichier « ",
                      " » n'est pas un document PDF lisible : il est endommagé ou tronqué."},
        FichierRefuse{"NotASheet",
                      [](const fs::path& f) { return Remplace(f, "(AGGIR1 ", "(XGGIR1 "); },
                      "Le fichier « ",
                      " » n'est pas une fiche d'évaluation de la calculette AGGIR : il ne "
                      "contient aucune évaluation à rouvrir."},
        FichierRefuse{
            "BoxTicked",
            [](const fs::path& f) { return Remplace(f, kBoites, " 00000C88C008008C00CCFC08 "); },
            "L'évaluation enregistrée dans la fiche « ",
            " » a été modifiée après son impression : elle ne peut pas être rouverte."},
        FichierRefuse{"GirChanged", AutreGir, "L'évaluation enregistrée dans la fiche « ",
                      " » a été modifiée après son impression : elle ne peut pas être rouverte."},
        FichierRefuse{"Newer",
                      [](const fs::path& f) { return Remplace(f, "(AGGIR1 ", "(AGGIR2 "); },
                      "La fiche « ",
                      " » a été imprimée par une version plus récente de la calculette AGGIR : "
                      "installez cette version pour la rouvrir."}),
    [](const auto& cas) { return std::string(cas.param.nom); });

struct AvantOuverture {
  const char* nom;
  void (*saisie)(SaisieAggir2& form);
  bool question;
  platform::MessageAnswer reponse;
};

class ReplaceQuestionTest : public ReopenWindowTest,
                            public ::testing::WithParamInterface<AvantOuverture> {};

// Asked only when something is typed or ticked; No keeps it all, Yes gives the sheet's.
TEST_P(ReplaceQuestionTest, IsAskedOnlyWhenSomethingIsOnScreen) {
  GetParam().saisie(form);
  const std::string avant = Ecran(form);
  host.answers = {GetParam().reponse};
  form.OuvreFiche(fiche);
  const bool remplacee = !GetParam().question || GetParam().reponse == platform::MessageAnswer::Yes;
  EXPECT_EQ(Ecran(form), remplacee ? Ecran(imprimante.form) : avant);
  ASSERT_EQ(host.messages.size(), GetParam().question ? 1u : 0u);
  if (!GetParam().question) return;
  EXPECT_EQ(host.messages[0].text, "Remplacer l'évaluation en cours par celle de la fiche « " +
                                       fiche.string() +
                                       " » ?\r\nCe qui est saisi à l'écran sera perdu.");
  EXPECT_EQ(host.messages[0].buttons, platform::MessageButtons::YesNo);
}

using platform::MessageAnswer;
INSTANTIATE_TEST_SUITE_P(
    Screens, ReplaceQuestionTest,
    ::testing::Values(
        AvantOuverture{"Blank", [](SaisieAggir2&) {}, false, MessageAnswer::No},
        AvantOuverture{"GirOnly", [](SaisieAggir2& f) { f.SSCommand7_Click(); }, false,
                       MessageAnswer::No},
        AvantOuverture{"SurnameNo", [](SaisieAggir2& f) { f.TxtNom.Text = "Martin"; }, true,
                       MessageAnswer::No},
        AvantOuverture{"FirstNameNo", [](SaisieAggir2& f) { f.TxtPrenom.Text = "Léa"; }, true,
                       MessageAnswer::No},
        AvantOuverture{"AddressYes", [](SaisieAggir2& f) { f.TxtAdresse.Text = "Brest"; }, true,
                       MessageAnswer::Yes},
        AvantOuverture{"FileNumberNo", [](SaisieAggir2& f) { f.TxtDossier.Text = "9"; }, true,
                       MessageAnswer::No},
        AvantOuverture{"BoxNo",
                       [](SaisieAggir2& f) {
                         f.ADV(53).Value = 1;
                         f.ADV_Click(53);
                       },
                       true, MessageAnswer::No},
        AvantOuverture{"NeFaitPasNo",
                       [](SaisieAggir2& f) {
                         f.ADV4(114).Value = 1;
                         f.ADV4_Click(114);
                         f.SSCommand7_Click();
                       },
                       true, MessageAnswer::No},
        AvantOuverture{"EvaluationYes", example::Saisit, true, MessageAnswer::Yes}),
    [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace

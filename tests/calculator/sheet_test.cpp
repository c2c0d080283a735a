// The evaluation sheet end to end: an evaluation coded by ticks, computed and printed, then
// the file read back by the installed PDF tools.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/calculator/window_fixture.h"
#include "tests/pdf/support.h"

namespace {

namespace fs = std::filesystem;
using pdftest::ReadFile;
using pdftest::RunTool;

// A program folder bin/ with the metric folder system/Fonts beside it, and a documents folder.
class SheetTest : public WindowTest {
 protected:
  SheetTest() {
    fs::create_directories(Bin());
    fs::create_directories(Fonts());
    fs::create_directories(Documents());
    for (const auto& entry : fs::directory_iterator(AGGIR_FONTS_DIR)) {
      fs::copy_file(entry.path(), Fonts() / entry.path().filename());
    }
    host.program_folder = Bin();
    host.documents_folder = Documents();
  }
  fs::path Bin() const { return dir.path() / "aggir" / "bin"; }
  fs::path Fonts() const { return dir.path() / "aggir" / "system" / "Fonts"; }
  fs::path Documents() const { return dir.path() / "Documents"; }

  void Click(int i) {
    form.ADV(i).Value = form.ADV(i).Value == 1 ? 0 : 1;
    form.ADV_Click(i);
  }

  // Transferts NE FAIT PAS, Toilette du bas S and C, Déplacements intérieurs H, Cuisine T:
  // rang 10, GIR 4.
  void CodeAndCompute() {
    form.TxtNom.Text = "Lefèvre";
    form.TxtPrenom.Text = "Jeanne";
    form.TxtDossier.Text = "123";
    form.TxtAdresse.Text = "12 rue des Lilas, Quimper";
    form.ADV4(114).Value = 1;
    form.ADV4_Click(114);
    for (int i : {21, 23, 60, 74}) Click(i);
    form.SSCommand7_Click();
  }

  std::string Text(const fs::path& pdf) {
    const auto result = RunTool("pdftotext -layout '" + pdf.string() + "' -");
    EXPECT_EQ(result.status, 0) << result.output;
    return result.output;
  }

  // What the window shows, to compare before and after a sheet.
  std::string Screen() const {
    std::string state = form.TxtADV.Text + form.TxtVD2.Text + form.TxtVI.Text +
                        form.TxtGroupe.Text + form.TxtNom.Text + form.TxtDossier.Text;
    for (const window::Control* c : form.Controls()) state += c->Visible ? '1' : '0';
    return state + (form.SSCommand1.Enabled ? "+" : "-");
  }

  pdftest::ScratchDir dir;
};

TEST_F(SheetTest, PrintsTheEvaluationOnScreen) {
  CodeAndCompute();
  ASSERT_EQ(form.TxtGroupe.Text, "4");
  const std::string before = Screen();
  form.SSCommand1_Click();
  EXPECT_EQ(Screen(), before);
  const fs::path sheet = Bin() / "123.pdf";
  ASSERT_TRUE(fs::exists(sheet));
  EXPECT_EQ(host.opened_pdfs, std::vector<fs::path>{fs::absolute(sheet)});
  EXPECT_TRUE(host.messages.empty());

  const auto check = RunTool("qpdf --check '" + sheet.string() + "'");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;

  const std::string text = Text(sheet);
  for (const std::string& expected : std::vector<std::string>{
           "TIREMONT",
           "Modèle AGGIR",
           "Evaluation des activités réalisées par la personnes seule",
           "Lefèvre Jeanne",
           "Dossier N°123",
           "12 rue des Lilas, Quimper",
           "le 06/12/2026",
           "Ne fait pas",
           "CODE",
           "Déplacements à l'intérieur",
           "Déplacements intérieurs",
           "Toilette du bas",
           "Cohérence : comportement",
           "GIR = 4",
           "Ne fait pas : Il faut faire à la place, ou \"faire faire\", ou tout refaire",
           "La case est noire (cochée) si la personne ne fait jamais seule, même partiellement, "
           "même difficilement",
           "Fait même difficilement S- Spontanément T- Totalement C- Correctement H- "
           "Habituellement",
           "La case est noire (cochée) quand les conditions ne sont pas remplie pour l'adverbe",
           "TIREMONT AGGIR KORVEN",
           sheet.string()}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }

  const auto info = RunTool("pdfinfo '" + sheet.string() + "'");
  EXPECT_NE(info.output.find("Title:           Test\n"), std::string::npos) << info.output;
  EXPECT_NE(info.output.find("595 x 842 pts (A4)"), std::string::npos) << info.output;
  const auto outline = RunTool("qpdf --json=2 --json-key=outlines '" + sheet.string() + "'");
  EXPECT_NE(outline.output.find("\"title\": \"Signet1\""), std::string::npos) << outline.output;
}

// Squares: Transferts has its NE FAIT PAS square alone, black; every other row five squares,
// black where ticked (Toilette du bas S and C, Déplacements intérieurs H, Cuisine T).
TEST_F(SheetTest, SquaresFollowTheTicks) {
  CodeAndCompute();
  form.SSCommand1_Click();
  const std::string content = pdftest::StreamOf(ReadFile(Bin() / "123.pdf"), 2);
  const auto count = [&content](const std::string& colour) {
    const std::string square = "%DEBUT_RECT/%\r\n" + colour + "\r\n0.000 0.000 0.000 RG\r\n";
    std::size_t n = 0;
    for (auto at = content.find(square); at != std::string::npos; at = content.find(square, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("0.000 0.000 0.000 rg"), 5u);
  EXPECT_EQ(count("1.000 1.000 1.000 rg"), 23u * 5 - 4);
  // Row 1 (y 210): the NE FAIT PAS square only, its top 205 points from the top of the page
  // (portrait A4 rounds to 842 points high).
  EXPECT_NE(content.find("210.00 637.00 5.00 -5.00 re B"), std::string::npos);
  EXPECT_EQ(content.find("250.00 637.00 5.00 -5.00 re B"), std::string::npos);
  // Row 2 (y 230): H black after S, T, C white.
  const auto h = content.find("310.00 617.00 5.00 -5.00 re B");
  ASSERT_NE(h, std::string::npos);
  EXPECT_EQ(content.rfind("%DEBUT_RECT/%\r\n0.000 0.000 0.000 rg", h),
            content.rfind("%DEBUT_RECT/%", h));
}

// Right-aligned texts end at their edge (plus the writer's one-point left margin), measured
// with the regular Arial metrics: the numbers twice a row, at 50 and 360.
TEST_F(SheetTest, RightAlignedTextsEndAtTheirEdge) {
  CodeAndCompute();
  form.SSCommand1_Click();
  const std::string content = pdftest::StreamOf(ReadFile(Bin() / "123.pdf"), 2);
  const struct {
    const char* text;
    double right, y;  // y from the bottom of the page
    double width;     // Helvetica at 10 points
  } texts[] = {{"1.", 50, 632, 8.34},
               {"1.", 360, 632, 8.34},
               {"17.", 50, 192, 13.9},
               {"17.", 360, 192, 13.9},
               {"Modèle AGGIR", 550, 792, 67.8},
               {"TIREMONT AGGIR KORVEN", 540, 62, 132.24}};
  // Two decimals with a point whatever the locale: the suite also runs under a French one.
  auto two_decimals = [](double value) {
    char digits[32];
    return std::string(
        digits,
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 2).ptr);
  };
  for (const auto& t : texts) {
    const std::string td =
        two_decimals(1 + t.right - t.width) + " " + two_decimals(t.y) + " Td\r\n/F";
    EXPECT_NE(content.find(td), std::string::npos) << t.text << " " << td;
  }
}

// Names and addresses may hold any character: the file stays valid and reads back, with
// "?" for what Windows-1252 cannot write. An empty file number gives ".pdf" and a blank.
TEST_F(SheetTest, AnyIdentityGivesAValidFile) {
  CodeAndCompute();
  form.TxtNom.Text = "O'Brien (dit \"Bob\") \\ Ærø";
  form.TxtPrenom.Text = "Zoë ☃";
  form.TxtAdresse.Text = "((rue)) \\\\ €";
  form.TxtDossier.Text = "";
  form.SSCommand1_Click();
  const fs::path sheet = Bin() / ".pdf";
  ASSERT_TRUE(fs::exists(sheet));
  EXPECT_EQ(RunTool("qpdf --check '" + sheet.string() + "'").status, 0);
  const std::string text = Text(sheet);
  EXPECT_NE(text.find("O'Brien (dit \"Bob\") \\ Ærø Zoë ?"), std::string::npos) << text;
  EXPECT_NE(text.find("((rue)) \\\\ €"), std::string::npos) << text;
  EXPECT_EQ(text.find("Dossier N°"), std::string::npos);
}

// Printing again replaces the sheet; nothing else is left in the folder.
TEST_F(SheetTest, PrintingAgainReplacesTheSheet) {
  CodeAndCompute();
  form.SSCommand1_Click();
  Click(61);
  form.SSCommand7_Click();
  form.SSCommand1_Click();
  EXPECT_NE(Text(Bin() / "123.pdf").find("GIR = "), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(Bin()), {}), 1);
  EXPECT_EQ(host.opened_pdfs.size(), 2u);
}

// A read-only program folder (an installed copy) sends the sheet to the documents folder,
// and the footer names the file really written.
TEST_F(SheetTest, ReadOnlyProgramFolderWritesToTheDocumentsFolder) {
  host.read_only_folders = {Bin()};
  CodeAndCompute();
  form.SSCommand1_Click();
  const fs::path sheet = Documents() / "123.pdf";
  ASSERT_TRUE(fs::exists(sheet));
  EXPECT_TRUE(fs::is_empty(Bin()));
  EXPECT_NE(Text(sheet).find(sheet.string()), std::string::npos);
  EXPECT_EQ(host.opened_pdfs, std::vector<fs::path>{fs::absolute(sheet)});
}

// Failures reach the command as one error that names the file or folder; the evaluation,
// an earlier sheet and the folders are left as they were.
TEST_F(SheetTest, FailuresNameTheirCauseAndLoseNothing) {
  const fs::path absent = dir.path() / "absent";
  const struct {
    bool nowhere_to_write;  // else: no metric folder
    std::string message;
  } cases[] = {
      {true, "Le fichier PDF « " + (absent / "123.pdf").string() +
                 " » n'a pas pu être créé : le dossier « " + absent.string() + " » n'existe pas."},
      {false, "Le fichier de métriques de la police « Helvetica » est introuvable : le dossier « " +
                  Fonts().string() + " » est absent ou ne contient aucun fichier .afm."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    CodeAndCompute();
    pdftest::WriteFile(Bin() / "123.pdf", "earlier sheet");
    if (c.nowhere_to_write) {
      host.read_only_folders = {Bin()};
      host.documents_folder = absent;
    } else {
      host.read_only_folders.clear();
      fs::remove_all(Fonts());
    }
    const std::string before = Screen();
    try {
      form.SSCommand1_Click();
      ADD_FAILURE() << "no error";
    } catch (const pdf::PdfError& error) {
      EXPECT_EQ(error.what(), c.message);
    }
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(ReadFile(Bin() / "123.pdf"), "earlier sheet");
    EXPECT_EQ(std::distance(fs::directory_iterator(Bin()), {}), 1);
    EXPECT_TRUE(host.opened_pdfs.empty());
  }
}

}  // namespace

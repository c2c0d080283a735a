// SPDX-License-Identifier: EUPL-1.2
// The evaluation sheet end to end: an evaluation coded by ticks, computed and printed, then
// the file read back by the installed PDF tools.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "test_support/example_evaluation.h"
#include "test_support/files.h"
#include "test_support/golden.h"
#include "test_support/ticks.h"
#include "window_fixture.h"

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
    saisie::CocheNeFaitPas(form, 14);
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

// Every object of the file but the fonts and the page content's length, each from its
// "n 0 obj" line to its "endobj".
std::string ObjectsBesideTheContent(const std::string& pdf) {
  std::string objects;
  for (const auto& [number, at] : pdftest::ObjectLinePositions(pdf)) {
    const std::string object = pdf.substr(at, pdf.find("endobj\r\n", at) + 8 - at);
    if (number != 2 && number != 3 && object.find("/Type /Font") == std::string::npos) {
      objects += object;
    }
  }
  return objects;
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The example evaluation's sheet, whole: its page content and its other objects against the
// reviewed copies in golden/ (scripts/golden.sh regenerates them). Only the file's path, in
// the footer, and the creation date change from run to run: they become placeholders.
TEST_F(SheetTest, ExampleSheetMatchesItsGoldenFiles) {
  example::Saisit(form);
  const std::string before = Screen();
  form.SSCommand1_Click();
  EXPECT_EQ(Screen(), before);
  const fs::path sheet = Bin() / "123.pdf";
  EXPECT_EQ(host.opened_pdfs, std::vector<fs::path>{fs::absolute(sheet)});
  EXPECT_TRUE(host.messages.empty());
  const auto check = RunTool("qpdf --check '" + sheet.string() + "'");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;

  std::string pdf = ReadFile(sheet);
  Replace(pdf, sheet.string(), "{FICHIER}");
  const auto date = pdf.find("/CreationDate (D:") + 17;
  pdf.replace(date, pdf.find(')', date) - date, "{DATE}");
  const fs::path golden = fs::path(AGGIR_SOURCE_DIR) / "tests" / "calculator" / "golden";
  // The page's texts are Windows-1252: shown as UTF-8, so that the golden files read.
  ExpectGolden(golden / "sheet_content.txt", platform::FromWindows1252(pdftest::StreamOf(pdf, 2)));
  ExpectGolden(golden / "sheet_objects.txt",
               platform::FromWindows1252(ObjectsBesideTheContent(pdf)));
}

// Names and addresses may hold any character: the file stays valid and reads back as typed,
// what Windows-1252 cannot write drawn in an embedded Unicode font.
TEST_F(SheetTest, AnyIdentityGivesAValidFile) {
  CodeAndCompute();
  form.TxtNom.Text = "O'Brien (dit \"Bob\") \\ Ærø";
  form.TxtPrenom.Text = "Zoë ☃";
  form.TxtAdresse.Text = "((rue)) \\\\ €";
  form.TxtDossier.Text = "7";
  form.SSCommand1_Click();
  const fs::path sheet = Bin() / "7.pdf";
  ASSERT_TRUE(fs::exists(sheet));
  EXPECT_EQ(RunTool("qpdf --check '" + sheet.string() + "'").status, 0);
  const std::string text = Text(sheet);
  EXPECT_NE(text.find("O'Brien (dit \"Bob\") \\ Ærø Zoë ☃"), std::string::npos) << text;
  EXPECT_NE(text.find("((rue)) \\\\ €"), std::string::npos) << text;
}

// Without a file number "Imprimer" asks for one and writes nothing: an unnamed sheet would be
// overwritten by the next.
TEST_F(SheetTest, NoFileNumberNoSheet) {
  CodeAndCompute();
  form.TxtDossier.Text = "";
  form.SSCommand1_Click();
  EXPECT_TRUE(fs::is_empty(Bin()));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Saisissez le numéro de dossier avant d'imprimer.");
  EXPECT_EQ(form.Focus, &form.TxtDossier);
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

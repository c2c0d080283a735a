// SPDX-License-Identifier: EUPL-1.2
// The command bar through the real widgets: tooltip, new evaluation, quit, help, printing,
// and the window's safety net for a handler that fails.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "desktop/calculator_window.h"
#include "test_support/files.h"
#include "view_fixture.h"

namespace {

// A handler that fails is told in a message; the window goes on.
class FailingHost : public platform::RecordingHost {
 public:
  void StartProgram(const std::string&, platform::WindowStyle) override {
    throw std::runtime_error("Le visualiseur d'aide n'a pas pu démarrer.");
  }
};

TEST(SafetyNetTest, AFailingHandlerIsToldAndTheWindowGoesOn) {
  FailingHost host;
  SaisieAggir2 form(host);
  WindowView view(form);
  view.show();
  QTest::mouseClick(view.WidgetOf(form.ADV(53)), Qt::LeftButton);
  QTest::mouseClick(view.WidgetOf(form.SSCommand4), Qt::LeftButton);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Le visualiseur d'aide n'a pas pu démarrer.");
  EXPECT_EQ(host.messages[0].icon, platform::MessageIcon::Critical);
  EXPECT_TRUE(view.isVisible());
  QTest::mouseClick(view.WidgetOf(form.ADV(54)), Qt::LeftButton);
  EXPECT_EQ(qobject_cast<QLabel*>(view.WidgetOf(form.CmdVD(14)))->text(), "B");
  EXPECT_EQ(form.TxtADV.Text.substr(52, 4), "1100");
}

// The button and F1 open the program's own help window on the installed help file.
TEST(HelpWindowTest, ButtonAndF1ShowTheInstalledHelp) {
  CalculatorWindow window(AGGIR_PROGRAM_DIR);
  QtHost& host = window.host;
  WindowView& view = window.view;
  view.show();
  QTest::mouseClick(view.WidgetOf(window.form.SSCommand4), Qt::LeftButton);
  ASSERT_NE(host.Help(), nullptr);
  EXPECT_TRUE(host.Help()->isVisible());
  EXPECT_TRUE(host.Help()->Text().contains("Trois adverbes cochés"));
  QTest::keyClick(host.Help(), Qt::Key_Escape);
  EXPECT_FALSE(host.Help()->isVisible());
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::keyClick(view.focusWidget(), Qt::Key_F1);
  EXPECT_TRUE(host.Help()->isVisible());
  EXPECT_TRUE(host.Help()->Text().contains("Calculette AGGIR"));
}

TEST(HelpWindowTest, AMissingHelpFileIsSaidInTheWindow) {
  QtHost host("/nonexistent/aggir");
  host.StartProgram("winhlp32.exe /nonexistent/aggir/GUIDE SORVANE.HLP",
                    platform::WindowStyle::Minimized);
  ASSERT_NE(host.Help(), nullptr);
  EXPECT_EQ(host.Help()->Text(),
            "Le fichier d'aide « GUIDE SORVANE.HLP » est introuvable dans le dossier « "
            "/nonexistent/aggir ».");
}

}  // namespace

namespace {

// "Imprimer" through the real buttons: the sheet is written beside the program and opened;
// a failure is told in a message and the window goes on.
class PrintViewTest : public WindowViewTest {
 protected:
  PrintViewTest() {
    bin = dir.path() / "bin";
    std::filesystem::create_directories(bin);
    host.program_folder = bin;
  }
  void InstallFonts() {
    std::filesystem::create_directories(dir.path() / "system");
    std::filesystem::copy(AGGIR_FONTS_DIR, dir.path() / "system" / "Fonts");
  }
  void CodeComputePrint() {
    Type(Widget<QLineEdit>(form.TxtDossier), "77");
    QTest::mouseClick(view.WidgetOf(form.ADV(53)), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(form.SSCommand7), Qt::LeftButton);
    QTest::mouseClick(Widget<QPushButton>(form.SSCommand1), Qt::LeftButton);
  }

  pdftest::ScratchDir dir;
  std::filesystem::path bin;
};

TEST_F(PrintViewTest, ImprimerWritesAndOpensTheSheet) {
  InstallFonts();
  CodeComputePrint();
  EXPECT_TRUE(host.messages.empty());
  ASSERT_TRUE(std::filesystem::exists(bin / "77.pdf"));
  EXPECT_EQ(host.opened_pdfs, std::vector<std::filesystem::path>{bin / "77.pdf"});
  EXPECT_TRUE(Widget<QPushButton>(form.SSCommand1)->isEnabled());  // it can print again
}

TEST_F(PrintViewTest, AFailedSheetIsToldAndTheEvaluationStays) {
  CodeComputePrint();  // no metric folder beside the program
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("ne contient aucun fichier .afm"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_empty(bin));
  EXPECT_TRUE(Widget<QCheckBox>(form.ADV(53))->isChecked());
  EXPECT_TRUE(view.WidgetOf(form.PanelCalculGIR)->isVisible());
  EXPECT_EQ(Widget<QLineEdit>(form.TxtDossier)->text(), "77");
}

}  // namespace

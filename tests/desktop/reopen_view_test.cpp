// SPDX-License-Identifier: EUPL-1.2
// A sheet opened from the desktop: Ctrl+O through the file chooser, a file dropped onto the
// window, the program's command line.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "test_support/printed_sheet.h"
#include "test_support/ticks.h"
#include "view_fixture.h"

namespace {

class ReopenViewTest : public WindowViewTest {
 protected:
  ReopenViewTest() {
    example::Saisit(imprimante.form);
    fiche = imprimante.Print();
  }

  QString Fiche() const { return QString::fromStdString(fiche.string()); }

  // The documentation's evaluation on the widgets, its GIR computed, or the blank window.
  std::string Shown() {
    return (Widget<QLineEdit>(form.TxtNom)->text() + " " +
            Widget<QLineEdit>(form.TxtDossier)->text() + " " +
            (Widget<QCheckBox>(form.ADV(21))->isChecked() ? "S" : "-") +
            (Widget<QCheckBox>(form.ADV4(121))->isChecked() ? "NFP " : "- ") +
            Widget<QLabel>(form.CFIN(3))->text() +
            (Widget<QLabel>(form.PanelCalculGIR)->isVisible() ? " GIR " : " - ") +
            Widget<QLineEdit>(form.TxtGroupe)->text() +
            (Widget<QPushButton>(form.SSCommand1)->isEnabled() ? " printable" : ""))
        .toStdString();
  }
  void ExpectOpened() {
    EXPECT_EQ(Shown(), "DUPONT 123 SNFP B GIR 4 printable");
    EXPECT_TRUE(host.messages.empty());
  }
  void ExpectBlank() { EXPECT_EQ(Shown(), "  -- A - 6"); }

  SheetPrinter imprimante;
  std::filesystem::path fiche;
};

TEST_F(ReopenViewTest, CtrlOOpensTheSheetChosen) {
  host.program_folder = imprimante.dir.path();
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::keyClick(view.focusWidget(), Qt::Key_O, Qt::ControlModifier);  // given up
  ExpectBlank();
  host.chosen_file = fiche;
  QTest::keyClick(view.focusWidget(), Qt::Key_O, Qt::ControlModifier);
  ExpectOpened();
  ASSERT_EQ(host.file_requests.size(), 2u);
  EXPECT_EQ(host.file_requests[1].title, "Ouvrir une fiche d'évaluation");
  EXPECT_EQ(host.file_requests[1].filter, "Fiches d'évaluation (*.pdf)");
  EXPECT_EQ(host.file_requests[1].folder, imprimante.dir.path());
}

TEST_F(ReopenViewTest, TheCommandLineOpensItsSheet) {
  view.OpenFile("");
  ExpectBlank();
  view.OpenFile(fiche.string());
  ExpectOpened();
}

struct Depot {
  const char* nom;
  QList<QUrl> (*adresses)(const QString& fiche);
  bool ouverte;
};

class DropTest : public ReopenViewTest, public ::testing::WithParamInterface<Depot> {};

// One local file opens; two files, or an address that is no local file, are refused.
TEST_P(DropTest, OpensOneLocalFileOnly) {
  EXPECT_TRUE(view.acceptDrops());
  QMimeData data;
  data.setUrls(GetParam().adresses(Fiche()));
  QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &drop);
  if (GetParam().ouverte) return ExpectOpened();
  ExpectBlank();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Déposez sur la fenêtre une seule fiche d'évaluation, un fichier de cet ordinateur.");
}

// A file dropped onto a text field opens as a sheet; its path is not typed into the field.
TEST_F(ReopenViewTest, AFileDroppedOntoAFieldOpensIt) {
  QWidget* champ = view.WidgetOf(form.TxtNom);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(Fiche())});
  data.setText(Fiche());
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(champ, &enter);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(champ, &drop);
  ExpectOpened();
}

INSTANTIATE_TEST_SUITE_P(
    Drops, DropTest,
    ::testing::Values(
        Depot{"OneLocalFile", [](const QString& f) { return QList{QUrl::fromLocalFile(f)}; }, true},
        Depot{"TwoFiles",
              [](const QString& f) {
                return QList{QUrl::fromLocalFile(f), QUrl::fromLocalFile(f)};
              },
              false},
        Depot{"WebAddress",
              [](const QString&) { return QList{QUrl("https://example.org/123.pdf")}; }, false}),
    [](const auto& cas) { return std::string(cas.param.nom); });

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// Qt's own texts, which the program does not write, are French whatever the session's
// language: CTest runs this file under LANG=C and under fr_FR.UTF-8.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "desktop/calculator_window.h"

namespace {

// "&Annuler\tCtrl+Z" as read: "Annuler".
QString Shown(QString text) { return text.section('\t', 0, 0).remove('&'); }

// The buttons of the message box that `action` opens; the box is answered No.
QStringList ButtonsOfTheQuestion(const std::function<void()>& action) {
  QStringList buttons;
  QTimer answer;  // destroyed with this frame: it never outlives `buttons`
  answer.setSingleShot(true);
  QObject::connect(&answer, &QTimer::timeout, [&buttons] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    buttons << Shown(box->button(QMessageBox::Yes)->text())
            << Shown(box->button(QMessageBox::No)->text());
    box->button(QMessageBox::No)->click();
  });
  answer.start(0);
  action();
  return buttons;
}

TEST(FrenchQtTextsTest, QuestionFileChooserAndTextMenusSpeakFrench) {
  CalculatorWindow window(AGGIR_PROGRAM_DIR);
  window.view.show();
  // A third adverb ticked on one row asks whether to keep it.
  for (int box : {53, 54})
    QTest::mouseClick(window.view.WidgetOf(window.form.ADV(box)), Qt::LeftButton);
  QStringList texts = ButtonsOfTheQuestion(
      [&] { QTest::mouseClick(window.view.WidgetOf(window.form.ADV(55)), Qt::LeftButton); });

  QFileDialog chooser(&window.view);
  chooser.setFileMode(QFileDialog::ExistingFile);
  for (QAbstractButton* button : chooser.findChild<QDialogButtonBox*>()->buttons()) {
    texts << Shown(button->text());
  }

  auto* name = static_cast<QLineEdit*>(window.view.WidgetOf(window.form.TxtNom));
  const std::unique_ptr<QMenu> menu(name->createStandardContextMenu());
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << Shown(action->text());
  }
  EXPECT_EQ(texts.join(", ").toStdString(),
            "Oui, Non, Ouvrir, Annuler, Annuler, Rétablir, Couper, Copier, Coller, Supprimer, "
            "Tout sélectionner");
}

}  // namespace

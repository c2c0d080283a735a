// What a screen reader hears, read through Qt's accessibility interface as AT-SPI reads it,
// and a focus that every control shows.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QPushButton>
#include <QTest>
#include <map>

#include "calculator/window/layout.h"
#include "tests/app/view_fixture.h"
#include "tools/example_evaluation.h"

namespace {

std::string SaidOf(QWidget* widget, QAccessible::Text what = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(widget)->text(what).toStdString();
}

class AccessibilityTest : public WindowViewTest {
 protected:
  std::string Said(const window::Control& control, QAccessible::Text what = QAccessible::Name) {
    return SaidOf(view.WidgetOf(control), what);
  }
};

// The rows top to bottom as their captions name them; each row's five boxes carry the row's
// name and their own.
TEST_F(AccessibilityTest, EveryBoxNamesItsRowAndAdverb) {
  const char* const rows[] = {"Transferts",
                              "Déplacements intérieurs",
                              "Toilette haut",
                              "Toilette bas",
                              "Elimination urinaire",
                              "Elimination fécale",
                              "Habillage haut",
                              "Habillage moyen",
                              "Habillage bas",
                              "Cuisine",
                              "Alimentation se servir",
                              "Alimentation manger",
                              "Suivi du traitement",
                              "Ménage",
                              "Alerter",
                              "Déplacements extérieurs",
                              "Transports",
                              "Activités temps libre",
                              "Achats",
                              "Gestion",
                              "Orientation dans le temps",
                              "Orientation dans l'espace",
                              "Cohérence communication",
                              "Cohérence comportement"};
  const char* const adverbs[] = {"S : spontanément", "T : totalement", "C : correctement",
                                 "H : habituellement"};
  for (int position = 1; position <= layout::kRows; ++position) {
    const int k = layout::RowAt(position);
    const std::string row = rows[position - 1];
    EXPECT_EQ(Said(form.LabelVD(layout::RowOf(k).label_index)), row);
    EXPECT_EQ(Said(form.ADV4(100 + k)), row + ", ne fait pas");
    for (int j = 1; j <= layout::kAdverbs; ++j) {
      EXPECT_EQ(Said(form.ADV(layout::AdverbBox(k, j))), row + ", " + adverbs[j - 1]);
    }
  }
  // The question behind the adverb, as the questions panel shows it.
  EXPECT_EQ(Said(form.ADV(54), QAccessible::Description),
            "LA PERSONNE FAIT SEULE SES TRANSFERTS en assurant l'ensemble des transferts dans les "
            "deux sens ?");
}

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasANameOfItsOwn) {
  std::map<std::string, QString> owners;
  for (QWidget* widget : view.findChildren<QWidget*>()) {
    if (!QAccessible::queryAccessibleInterface(widget)->state().focusable) continue;
    const std::string name = SaidOf(widget);
    EXPECT_NE(name, "") << widget->objectName().toStdString();
    const auto [owner, alone] = owners.emplace(name, widget->objectName());
    EXPECT_TRUE(alone) << name << ": " << owner->second.toStdString() << " and "
                       << widget->objectName().toStdString();
  }
  EXPECT_GE(owners.size(), 130u);  // the 120 boxes, the fields, the commands, the charts
}

// The GIR, the codes and the profile's charts in words, after a coding.
TEST_F(AccessibilityTest, ResultCodesAndChartsAreSaidInWords) {
  example::Saisit(form);
  QTest::mouseClick(view.WidgetOf(form.SSCommand6), Qt::LeftButton);  // "Profil"
  EXPECT_EQ(Said(form.TxtGroupe), "Groupe iso-ressources 4");
  EXPECT_EQ(Said(form.CmdVD(6)), "Toilette bas, code B");
  EXPECT_EQ(Said(form.CFIN(14)), "Variable Transports, code C");
  EXPECT_EQ(Said(form.Radar(1)), "Profil : Activités corporelles et mentales");
  const std::string chart = Said(form.Radar(1), QAccessible::Description);
  EXPECT_NE(chart.find("5. Toilette du haut : A ; 6. Toilette du bas : B (spontanément, "
                       "totalement) ;"),
            std::string::npos)
      << chart;
  EXPECT_NE(Said(form.Radar(2), QAccessible::Description).find("4. Transports : C"),
            std::string::npos);
}

// A control shows that it holds the focus, however the focus came: every kind the keyboard
// reaches looks different with it.
TEST_F(AccessibilityTest, FocusShowsOnEveryKindOfControl) {
  QTest::mouseClick(view.WidgetOf(form.SSCommand6), Qt::LeftButton);  // the charts
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const window::Control* const controls[] = {&form.ADV(53),   &form.ADV4(114), &form.SSCommand7,
                                             &form.CmdFermer, &form.TxtNom,    &form.Radar(2)};
  for (const window::Control* control : controls) {
    QWidget* widget = view.WidgetOf(*control);
    view.WidgetOf(form.TxtAdresse)->setFocus();
    const QImage without = widget->grab().toImage();
    widget->setFocus();
    ASSERT_TRUE(widget->hasFocus()) << control->Name;
    EXPECT_TRUE(widget->grab().toImage() != without) << control->Name;
  }
}

}  // namespace

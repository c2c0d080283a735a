// Coding the grid through the real check boxes: mouse, Enter, space, the question, Tab.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/calculator_window.h"
#include "tests/app/view_fixture.h"

namespace {

using platform::MessageAnswer;

class CodingViewTest : public WindowViewTest {
 protected:
  QCheckBox* Box(const window::CheckBox& box) { return Widget<QCheckBox>(box); }
  void Click(const window::CheckBox& box) { QTest::mouseClick(Box(box), Qt::LeftButton); }
  QString Code(int k) { return Widget<QLabel>(form.CmdVD(k))->text(); }
};

TEST_F(CodingViewTest, ClickingABoxRecodesItsRowAndWithdrawsTheResult) {
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand7), Qt::LeftButton);
  Click(form.ADV(53));  // S of Transferts
  EXPECT_TRUE(Box(form.ADV(53))->isChecked());
  EXPECT_EQ(Code(14), "B");
  EXPECT_EQ(Widget<QLabel>(form.CFIN(7))->text(), "B");
  EXPECT_EQ(form.TxtVD2.Text, "AAAAAABAAA");
  EXPECT_FALSE(Widget<QWidget>(form.PanelCalculGIR)->isVisible());
  EXPECT_FALSE(Widget<QPushButton>(form.SSCommand1)->isEnabled());
  EXPECT_FALSE(Widget<QPushButton>(form.SSCommand2)->isEnabled());
}

// The third tick asks; the fake answers No, and the row's boxes are cleared on screen too.
TEST_F(CodingViewTest, ThirdTickAsksAndNoClearsTheRow) {
  host.answers = {MessageAnswer::No};
  for (int i : {57, 58, 60}) Click(form.ADV(i));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Attention...");
  for (int i = 57; i <= 60; ++i) EXPECT_FALSE(Box(form.ADV(i))->isChecked()) << i;
  EXPECT_EQ(Code(15), "A");
}

TEST_F(CodingViewTest, NeFaitPasTicksTheFourAdverbsOnScreen) {
  Click(form.ADV4(105));
  for (int i = 17; i <= 20; ++i) EXPECT_TRUE(Box(form.ADV(i))->isChecked()) << i;
  EXPECT_EQ(Code(5), "C");
  EXPECT_TRUE(host.messages.empty());
  Click(form.ADV4(105));
  for (int i = 17; i <= 20; ++i) EXPECT_FALSE(Box(form.ADV(i))->isChecked()) << i;
  EXPECT_EQ(Code(5), "A");
}

// Enter and the space bar both toggle a box, each once a key press.
TEST_F(CodingViewTest, EnterAndSpaceToggleTheBoxes) {
  const struct {
    const window::CheckBox* box;
    Qt::Key key;
    int row;
    const char* code;
  } keys[] = {{&form.ADV(61), Qt::Key_Return, 16, "B"},   {&form.ADV(62), Qt::Key_Space, 16, "B"},
              {&form.ADV(61), Qt::Key_Enter, 16, "B"},    {&form.ADV(62), Qt::Key_Space, 16, "A"},
              {&form.ADV4(116), Qt::Key_Return, 16, "C"}, {&form.ADV4(116), Qt::Key_Space, 16, "A"},
              {&form.ADV(61), Qt::Key_A, 16, "A"}};
  for (const auto& k : keys) {
    QTest::keyClick(Box(*k.box), k.key);
    EXPECT_EQ(Code(k.row), k.code) << k.box->Name << k.box->Index << " key " << k.key;
    EXPECT_EQ(Box(*k.box)->isChecked(), k.box->Value == 1);
  }
  EXPECT_TRUE(host.messages.empty());
}

// Tab walks identity, then the grid from "1- Transferts" down, box by box.
TEST_F(CodingViewTest, TabWalksTheGridInScreenOrder) {
  view.WidgetOf(form.TxtNom)->setFocus();
  const window::Control* expected[] = {&form.TxtPrenom, &form.TxtDossier, &form.TxtAdresse,
                                       &form.ADV4(114), &form.ADV(53),    &form.ADV(54),
                                       &form.ADV(55),   &form.ADV(56),    &form.ADV4(115)};
  for (const window::Control* next : expected) {
    QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(view.focusWidget(), view.WidgetOf(*next)) << next->Name << next->Index;
  }
  view.WidgetOf(form.ADV(8))->setFocus();  // H of comportement, the last row
  QTest::keyClick(view.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(view.focusWidget(), view.WidgetOf(form.SSCommand7));
}

// The real question box: Escape and the close button count as No.
TEST(QuestionBoxTest, ClosingWithoutAnAnswerCountsAsNo) {
  const std::function<void(QWidget*)> closers[] = {
      [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); },
      [](QWidget* box) { box->close(); },
  };
  for (const auto& close_box : closers) {
    CalculatorWindow window;
    SaisieAggir2& form = window.form;
    WindowView& view = window.view;
    view.show();
    bool answered = false;
    // Runs once the box is up, inside its own event loop.
    std::function<void()> answer = [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        answered = true;
        return close_box(box);
      }
      QTimer::singleShot(10, answer);
    };
    for (int i : {1, 2}) QTest::mouseClick(view.WidgetOf(form.ADV(i)), Qt::LeftButton);
    QTimer::singleShot(0, answer);
    QTest::mouseClick(view.WidgetOf(form.ADV(3)), Qt::LeftButton);
    EXPECT_TRUE(answered);
    EXPECT_EQ(form.CmdVD(1).Caption(), "A");
    EXPECT_EQ(form.TxtADV.Text.substr(0, 4), "0000");
  }
}

}  // namespace

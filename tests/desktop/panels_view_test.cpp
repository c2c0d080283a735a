// SPDX-License-Identifier: EUPL-1.2
// The coherence, questions and profile panels through the real widgets: clicks, mouse moves,
// keys, and what the widgets show, colours and drawings included.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "calculator/window/layout.h"
#include "desktop/drawn_widgets.h"
#include "view_fixture.h"

namespace {

const QColor kPaleRed(255, 192, 192), kDarkRed(128, 0, 0), kRed(255, 0, 0), kWhite(255, 255, 255);

class PanelsViewTest : public WindowViewTest {
 protected:
  void Click(const window::Control& control) {
    QTest::mouseClick(view.WidgetOf(control), Qt::LeftButton);
  }
  QLabel* Label(const window::Control& control) { return Widget<QLabel>(control); }
  bool Shown(const window::Control& control) { return view.WidgetOf(control)->isVisible(); }
  // A pixel of a chart as it is on screen, at some distance from the centre between axes j
  // and j + 1 of a chart of n axes.
  QColor ChartPixel(int chart, int n, double j, double distance) {
    const double angle = (j + 0.5) * 2 * M_PI / n + M_PI / 2;
    const QImage image = view.WidgetOf(form.Radar(chart))->grab().toImage();
    return image.pixelColor(static_cast<int>(134 + distance * std::cos(angle)),
                            static_cast<int>(134 - distance * std::sin(angle)));
  }
};

// Cohérence C with every body activity A: the suspect codes are drawn dark red on pale red.
TEST_F(PanelsViewTest, VerifierShowsTheSuspectCodes) {
  Click(form.ADV4(101));
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand7), Qt::LeftButton);
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand2), Qt::LeftButton);
  QLabel* toilette = Label(form.TxtDE(9));
  EXPECT_EQ(toilette->text(), "A");
  const QImage image = toilette->grab().toImage();
  EXPECT_EQ(image.pixelColor(1, 1), kPaleRed);
  bool dark_red_text = false;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) dark_red_text |= image.pixelColor(x, y) == kDarkRed;
  }
  EXPECT_TRUE(dark_red_text);
}

// "Profil" draws both charts and keeps them through repaints; the numbers tell their coding;
// a click on a chart, or Enter, closes the panel.
TEST_F(PanelsViewTest, ProfilDrawsAndKeepsTheCharts) {
  for (int k : {13, 14, 15})
    Click(form.ADV4(layout::NeFaitPasBox(k)));  // axes 3, 4, 5 of chart 1: C
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand6), Qt::LeftButton);
  ASSERT_TRUE(Shown(form.PanelProfil));
  EXPECT_EQ(view.focusWidget(), view.WidgetOf(form.Radar(1)));
  EXPECT_EQ(ChartPixel(1, 17, 3, 40), kRed);
  EXPECT_EQ(ChartPixel(1, 17, 8, 40), kWhite);
  EXPECT_EQ(ChartPixel(2, 7, 2, 40), kWhite);
  view.WidgetOf(form.PanelProfil)->hide();
  view.WidgetOf(form.PanelProfil)->show();
  view.WidgetOf(form.Radar(1))->repaint();
  view.Refresh();
  EXPECT_EQ(ChartPixel(1, 17, 3, 40), kRed);
  MoveMouseOver(view.WidgetOf(form.Label3(14)));
  EXPECT_EQ(Label(form.Label4)->text(), "C");
  MoveMouseOver(view.WidgetOf(form.Radar(1)));
  EXPECT_EQ(Label(form.Label4)->text(), "");
  Click(form.Radar(2));
  EXPECT_FALSE(Shown(form.PanelProfil));
  QTest::mouseClick(Widget<QPushButton>(form.SSCommand6), Qt::LeftButton);
  QTest::keyClick(view.WidgetOf(form.Radar(1)), Qt::Key_Return);
  EXPECT_FALSE(Shown(form.PanelProfil));
}

}  // namespace

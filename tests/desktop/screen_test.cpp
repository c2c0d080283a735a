// SPDX-License-Identifier: EUPL-1.2
// The window on the screen the test runs with (CMake runs it on several, each at its
// scaling): inside the free area, title and command bar in view, every control reachable.
#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "desktop/drawn_widgets.h"

#include "view_fixture.h"

namespace {

using ScreenTest = WindowViewTest;

TEST_F(ScreenTest, WholeWindowReachable) {
  QApplication::processEvents();  // the layout of the window as shown
  const QRect free = view.screen()->availableGeometry();
  const QRect frame = view.frameGeometry();
  RecordProperty("free_area", QString("%1x%2").arg(free.width()).arg(free.height()).toStdString());
  EXPECT_TRUE(free.contains(frame))
      << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
  const QScrollArea* scroll = view.ScrollArea();
  const QWidget* viewport = scroll->viewport();
  const QWidget* client = scroll->widget();
  EXPECT_GE(scroll->horizontalScrollBar()->maximum() + viewport->width(), client->width());
  EXPECT_GE(scroll->verticalScrollBar()->maximum() + viewport->height(), client->height());
  // The command bar is in view from the start, whole.
  const QWidget* bar = view.WidgetOf(form.Panel3D11);
  const QRect in_view(bar->mapTo(viewport, QPoint(0, 0)), bar->size());
  EXPECT_TRUE(viewport->rect().contains(in_view));
}

// The charts are painted at the screen's density: as many image pixels as the screen shows.
TEST_F(ScreenTest, ChartsSharpAtTheScreensDensity) {
  QTest::mouseClick(view.WidgetOf(form.SSCommand6), Qt::LeftButton);
  const auto* chart = static_cast<const PictureView*>(view.WidgetOf(form.Radar(1)));
  const qreal ratio = view.screen()->devicePixelRatio();
  RecordProperty("ratio", QString::number(ratio).toStdString());
  EXPECT_EQ(chart->Image().devicePixelRatio(), ratio);
  EXPECT_EQ(chart->Image().size(), (QSizeF(chart->size()) * ratio).toSize());
}

}  // namespace

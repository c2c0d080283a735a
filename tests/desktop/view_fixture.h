// SPDX-License-Identifier: EUPL-1.2
// The real window on Qt's offscreen platform, over fake host services.
#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <QWidget>

#include "desktop/window_view.h"
#include "test_support/recording_host.h"

// Types text as a keyboard would, accented letters included (QTest's own helper takes
// ASCII only).
void Type(QWidget* widget, const QString& text);

// Sends a mouse move without a button pressed, as the pointer passing over the widget does.
void MoveMouseOver(QWidget* widget);

class WindowViewTest : public ::testing::Test {
 protected:
  WindowViewTest() : form(host), view(form) { view.show(); }

  template <typename W>
  W* Widget(const window::Control& control) {
    auto* widget = qobject_cast<W*>(view.WidgetOf(control));
    EXPECT_NE(widget, nullptr) << control.Name;
    return widget;
  }

  platform::RecordingHost host;
  SaisieAggir2 form;
  WindowView view;
};

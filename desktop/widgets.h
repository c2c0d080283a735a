// SPDX-License-Identifier: EUPL-1.2
// One Qt widget per model control: created once, refreshed from the model after each event.
#pragma once

#include <QWidget>

#include "calculator/accessible.h"
#include "calculator/window/controls.h"

QWidget* CreateWidget(const window::Control& control, QWidget* parent);
// A covered control (a panel lies over it) takes neither the focus nor a shortcut.
void RefreshWidget(const window::Control& control, QWidget* widget, bool covered = false);
// What assistive technologies say of the widget, as the model words it.
void RefreshAccessible(const accessible::Text& text, QWidget* widget);
QColor ToQColor(window::Colour colour);
QFont ToQFont(const window::Font& font);

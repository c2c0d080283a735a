// One Qt widget per model control: created once, refreshed from the model after each event.
#pragma once

#include <QWidget>

#include "calculator/window/controls.h"

QWidget* CreateWidget(const window::Control& control, QWidget* parent);
void RefreshWidget(const window::Control& control, QWidget* widget);
QColor ToQColor(window::Colour colour);
QFont ToQFont(const window::Font& font);

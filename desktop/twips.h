// SPDX-License-Identifier: EUPL-1.2
// The window's tables are in twips; the screen is in logical pixels (15 twips each at 96 dpi,
// Qt scales for dense screens).
#pragma once

#include <QRect>

#include "calculator/window/controls.h"

constexpr int kTwipsPerPixel = window::kTwipsPerPixel;

constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

// SPDX-License-Identifier: EUPL-1.2
// The window on the screens assessors have: centred in the free area, never beyond it.
#include <gtest/gtest.h>

#include "calculator/window/placement.h"

namespace {

using window::Area;
using window::PlaceWindow;

// The window in logical pixels: its client area and a classic frame (title 27, borders 4).
constexpr int kWidth = 676 + 8, kHeight = 673 + 31;

constexpr int kBar = 16;  // a scroll bar's thickness

struct Case {
  const char* screen;
  Area free_area;  // logical pixels: the screen at its scaling, less its panel
  Area placed;
  int bar = 0;
};

const Case kCases[] = {
    {"1366x768 at 100 %", {0, 0, 1366, 728}, {341, 12, kWidth, kHeight}},
    {"1366x768 at 125 %", {0, 0, 1093, 582}, {204, 0, kWidth, 582}},
    {"1920x1080 at 200 %, panel on top", {0, 32, 960, 508}, {138, 32, kWidth, 508}},
    {"3840x2160 at 200 %", {0, 0, 1920, 1040}, {618, 168, kWidth, kHeight}},
    {"second screen, right of the first", {1920, 0, 1280, 984}, {2218, 140, kWidth, kHeight}},
    {"exactly as high as the window", {0, 10, 800, kHeight}, {58, 10, kWidth, kHeight}},
    {"one pixel too low", {0, 10, 800, kHeight - 1}, {58, 10, kWidth, kHeight - 1}},
    {"one pixel too narrow", {5, 0, kWidth - 1, 900}, {5, 98, kWidth - 1, kHeight}},
    {"no free area", {0, 0, 0, 0}, {0, 0, 0, 0}},
    {"too low: wider by the scroll bar", {0, 0, 1093, 582}, {196, 0, kWidth + kBar, 582}, kBar},
    {"too narrow: higher by the scroll bar", {0, 0, 600, 900}, {0, 90, 600, kHeight + kBar}, kBar},
    {"too narrow once higher", {0, 0, 600, kHeight + 1}, {0, 0, 600, kHeight + 1}, kBar},
    {"fits: no scroll bar", {0, 0, kWidth, kHeight}, {0, 0, kWidth, kHeight}, kBar},
};

TEST(PlacementTest, CentredInTheFreeAreaNeverBeyondIt) {
  for (const Case& c : kCases) {
    const Area placed = PlaceWindow(c.free_area, kWidth, kHeight, c.bar);
    EXPECT_EQ(placed, c.placed) << c.screen << ": " << placed.left << "," << placed.top << " "
                                << placed.width << "x" << placed.height;
    EXPECT_GE(placed.left, c.free_area.left) << c.screen;
    EXPECT_GE(placed.top, c.free_area.top) << c.screen;
    EXPECT_LE(placed.left + placed.width, c.free_area.left + c.free_area.width) << c.screen;
    EXPECT_LE(placed.top + placed.height, c.free_area.top + c.free_area.height) << c.screen;
  }
}

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// The profile panel: the two radar charts, their hot spots, legends, scale and hints (twips,
// relative to each control's container; the panel in the window).
#pragma once

#include <array>

#include "calculator/window/layout.h"

namespace layout {

constexpr int kProfileLeft = 60;

// In PanelProfil, by chart 1, 2.
constexpr std::array<Rect, 2> kRadars{{{120, 120, 4020, 4020}, {120, 4200, 4020, 4020}}};
// In each chart, the coding of the axis under the mouse.
constexpr Rect kRadarCoding{3300, 3690, 795, 435};

// Hot spot of row k at index k - 1, in its chart, over the number of its axis.
struct Spot {
  int left, top;
};
extern const std::array<Spot, 24> kHotSpots;
constexpr int kHotSpotWidth = 435, kHotSpotHeight = 315;

// Legends: a title per chart, then its rows one under another.
extern const std::array<Text, 2> kProfileTitles;
extern const std::array<const char*, 24> kProfileLegend;  // row k at index k - 1
constexpr int kLegendLeft = 4740, kLegendWidth = 2640, kLegendHeight = 255, kLegendStep = 270;
constexpr std::array<int, 2> kLegendTops{630, 6150};

// The scale, framed.
constexpr Rect kScaleFrame{7470, 900, 1995, 3795};
extern const Text kScaleHeading;
struct ScaleRow {
  const char* value;
  const char* meaning;
};
extern const std::array<ScaleRow, 5> kScaleRows;
constexpr int kScaleValueLeft = 7770, kScaleValueWidth = 375;
constexpr int kScaleMeaningLeft = 8160, kScaleMeaningWidth = 1275;
constexpr std::array<int, 5> kScaleTops{1380, 1650, 1920, 2190, 2460};
extern const Text kAdverbsHeading;
extern const std::array<const char*, 4> kProfileAdverbs;
constexpr std::array<int, 4> kProfileAdverbTops{3390, 3660, 3930, 4200};
constexpr int kScaleLineHeight = 255;

extern const std::array<Text, 2> kProfileHints;

}  // namespace layout

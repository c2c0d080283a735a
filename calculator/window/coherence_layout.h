// SPDX-License-Identifier: EUPL-1.2
// The coherence panel: where its texts, code boxes and arrow stand (twips, relative to each
// control's container) and what the fixed texts say.
#pragma once

#include <array>

#include "calculator/window/layout.h"

namespace layout {

// The panel is placed here, in the window, each time it is shown.
constexpr int kCoherenceLeft = 240, kCoherenceTop = 2070;

// In PanelCoherence.
extern const Text kCoherenceTitle;  // on a light cyan band
extern const Text kCoherenceIntro;
extern const std::array<Text, 2> kTitreVerifie;
extern const Text kLabel6;
extern const Text kLabel11;
extern const Text kAucuneAnomalie;
constexpr Rect kPanelAnomalies1{150, 2580, 4845, 4020};
constexpr Rect kEffacer{210, 6900, 4695, 375};
constexpr const char* kEffacerCaption = "Effacer";

// In PanelAnomalies1.
extern const Text kLabel9;
extern const Text kLabel12;
constexpr Rect kPanelAnomalies2{0, 1680, 4845, 2355};

// In PanelAnomalies2.
extern const Text kLabel7;
extern const Text kParAilleurs;
struct Stroke {
  int x1, y1, x2, y2;
};
extern const std::array<Stroke, 4> kArrow;  // shaft down, shaft right, the two sides of the head
constexpr int kArrowWidth = 3;              // pixels

// The code of slot i: caption LabelDE(i) and box TxtDE(i), on one row of a column.
struct CodeRow {
  int slot;
  bool in_anomalies2;  // in PanelAnomalies2, else in PanelAnomalies1
  bool right;          // right column, else left
  int top;
};
extern const std::array<CodeRow, 12> kCodeRows;
constexpr std::array<int, 2> kCodeCaptionLefts{90, 2640};  // left, right column
constexpr std::array<int, 2> kCodeBoxLefts{1760, 4380};
constexpr int kCodeCaptionHeight = 285;
constexpr int kCodeCaptionGap = 30;  // between a caption's end and its box
constexpr int kCodeBoxWidth = 345, kCodeBoxHeight = 315;

}  // namespace layout

// SPDX-License-Identifier: EUPL-1.2
// Where the controls of the window stand, in twips, and how rows, variables and screen
// positions relate. Positions are relative to each control's container.
#pragma once

#include <array>
#include <string>

#include "grid/grid.h"

namespace layout {

// The grid's shape, as the window's code names it.
using grid::AdverbBox;
using grid::kAdverbBoxes;
using grid::kAdverbs;
using grid::kDiscriminants;
using grid::kRows;
using grid::kSubVariables;
using grid::kVariables;
using grid::NeFaitPasBox;
using grid::RowOfAdverbBox;
using grid::RowOfNeFaitPasBox;
using grid::RowsOf;
using grid::RowSpan;

struct Rect {
  int left, top, width, height;
};

// One row of the grid, by row number k. The caption of a variable's first row is its
// number and name followed by the first sub-variable's name; the next rows show their
// sub-variable's name only, standing under the first one.
struct Row {
  int label_index;           // LabelVD index of its caption
  const char* variable;      // "3- Toilette " on a variable's first row, empty on the next
  const char* sub_variable;  // "haut", "bas", ...; empty for a variable of one row
  int screen_position;       // 1..24, top to bottom
  int variable_index;        // CFIN index
};
const Row& RowOf(int k);
std::string CaptionOf(int k);
// Row k shown at a screen position 1..24.
int RowAt(int screen_position);
// Row k whose caption is LabelVD(index), 0..23; 0 for any other index.
int RowWithLabel(int index);
// The first row of the variable of row k (k itself on a variable's first row).
int FirstRowOfVariable(int k);

// Top of the caption at a screen position 1..24, relative to the grid frame.
int CaptionTop(int screen_position);

// Window.
constexpr const char* kWindowCaption = "Modèle SORVANE";
constexpr int kClientWidth = 10140;
constexpr int kClientHeight = 10095;
// Title bar and borders of a classic desktop window, added to the client area.
constexpr int kFrameWidth = 120;
constexpr int kFrameHeight = 405;

// Command bar and its buttons (relative to the bar).
constexpr Rect kCommandBar{60, 0, 9900, 465};
constexpr int kButtonTop = 60, kButtonWidth = 1650, kButtonHeight = 375;
struct Command {
  const char* name;
  const char* caption;
  const char* tooltip;  // empty: no tooltip
  int left;
};
extern const std::array<Command, 6> kCommands;
// The letter Alt presses a command button with, underlined in its caption; 0 for none.
char AccessKey(const std::string& button_name);
constexpr Rect kBulle{6000, 480, 3615, 315};

// Identity frame and its fields (fields relative to the frame).
constexpr Rect kIdentityFrame{60, 510, 9975, 1095};
struct Field {
  const char* name;
  const char* caption_name;
  const char* caption;
  int caption_left, caption_top;
  int left, top, width;
};
extern const std::array<Field, 4> kIdentityFields;
constexpr int kFieldHeight = 330;
constexpr int kIdentityCaptionHeight = 255;
constexpr int kIdentityCaptionGap = 60;  // between a caption's end and its field

// Grid frame and its columns (relative to the frame).
constexpr Rect kGridFrame{60, 1710, 9975, 8325};
constexpr const char* kGridCaption = " AGGIR";
constexpr int kCaptionLeft = 300, kCaptionWidth = 2790, kCaptionHeight = 255;
constexpr int kNeFaitPasLeft = 3270, kNeFaitPasDrop = 15;
constexpr std::array<int, 4> kAdverbLefts{4020, 4350, 4680, 5010};
constexpr int kBoxWidth = 315, kBoxHeight = 285;
constexpr int kRowCodeLeft = 5520, kVariableCodeLeft = 5970;
constexpr int kCodeWidth = 345, kCodeHeight = 240, kCodeDrop = 45;
constexpr int kShapeLeft = 5490, kShapeWidth = 855, kShapeDrop = 30;
constexpr std::array<int, 4> kShapeHeights{0, 270, 555, 795};  // by number of rows

// Fixed texts of the grid frame.
struct Text {
  const char* caption;
  Rect rect;
};
extern const Text kAdverbHeading;
extern const Text kNeFaitPasHeading;
extern const Text kNeFaitPasExplanation;
extern const Text kCodingInstruction;
extern const Text kAdverbLegend;
constexpr Rect kPicture{6810, 4440, 480, 480};

// Result panel and the command that fills it.
constexpr Rect kResultPanel{6660, 5520, 2985, 1590};
constexpr const char* kResultCaption = "Groupe iso-ressources";
constexpr Rect kResultLabel{120, 240, 2745, 285};
constexpr Rect kResultGroup{1080, 720, 825, 495};
constexpr Rect kCalculGir{6690, 7260, 2955, 555};
constexpr const char* kCalculGirCaption = "Calcul du GIR";

// Hidden code fields, stacked in the grid frame under the result panel.
constexpr Rect kHiddenField{6660, 7920, 2985, 285};
constexpr int kHiddenFieldStep = 60;

// Overlay panels of the other commands (window coordinates).
constexpr Rect kCoherencePanel{240, 2070, 5175, 7515};
constexpr Rect kProfilePanel{60, 1710, 10005, 8325};
constexpr Rect kQuestionsPanel{240, 4320, 9705, 1875};

}  // namespace layout

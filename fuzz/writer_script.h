// SPDX-License-Identifier: EUPL-1.2
// A document as a script of the writer's public calls, so that any bytes make a document:
// the whole-writer fuzz target plays its input, and the tests write scripts as its seeds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_input.h"
#include "pdf/vaROR.h"

namespace writerscript {

// Each call: an operation byte (taken modulo kOperationCount), then its arguments as the
// Reader reads them.
enum class Op : std::uint8_t {
  Text,         // text, x, y
  Cell,         // text, x, y, w, h, link
  Link,         // x, y, text, target
  Line,         // x1, y1, x2, y2
  LineHor,      // x, y, w
  LineVer,      // x, y, h
  Rectangle,    // x, y, w, h, link
  Ellipse,      // x, y, rx, ry, link
  Polygon,      // count byte, then that many numbers
  Image,        // file bytes (blob), x, y, w, h, link
  Bookmark,     // text, level byte (signed), y
  NewPage,      // PDFEndPage, then PDFNewPage
  EndPage,      // PDFEndPage alone: the next page's geometry slot
  Font,         // family byte, size int32, style int32
  TextColour,   // colour
  LineColour,   // colour
  DrawColour,   // colour
  LineStyle,    // int32
  LineWidth,    // number
  DrawMode,     // int32
  Alignment,    // int32
  Border,       // int32
  Fill,         // byte (odd: true)
  Rotation,     // number
  Unit,         // int32
  PageFormat,   // page format
  Orientation,  // int32
  Margins,      // left, top, right, bottom int32, cell margin number
  Info,         // which byte, text
  View,         // zoom int32, layout int32, outlines byte, thumbs byte
  Preset,       // which byte, text, x, y, L, e
  Measure,      // text, font name text, size int32
  Count
};
inline constexpr int kOperationCount = static_cast<int>(Op::Count);

// PDFGetStringWidth as the scripts call it. Only the metric files of the folder can be
// measured: any other name, or none while no font is chosen, is the caller's mistake, which
// the writer raises.
void Measure(pdf::vaROR& pdf, const std::string& text, std::string& font, std::int32_t size);

// Plays the script on a writer whose document is open. Image files are written into
// `scratch`, one per image, and must stay there until the document ends.
void Play(pdf::vaROR& pdf, fuzzinput::Reader& script, const std::filesystem::path& scratch);

}  // namespace writerscript

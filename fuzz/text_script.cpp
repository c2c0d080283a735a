// SPDX-License-Identifier: EUPL-1.2
#include "fuzz/text_script.h"

#include <algorithm>
#include <array>

#include "fuzz/writer_script.h"

namespace textscript {
namespace {

using Handler = void (*)(pdf::vaROR&, fuzzinput::Reader&);

void PlayText(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const std::string text = ReadLongText(in);
  const double x = in.Number(), y = in.Number();
  pdf.PDFTextOut(text, x, y);
}

void PlayCell(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const std::string text = ReadLongText(in);
  const double x = in.Number(), y = in.Number(), w = in.Number(), h = in.Number();
  pdf.PDFCell(text, x, y, w, h);
}

void PlayLink(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const double x = in.Number(), y = in.Number();
  const std::string text = ReadLongText(in);
  pdf.PDFLink(x, y, text, in.Text());
}

void PlayMeasure(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const std::string text = ReadLongText(in);
  std::string current;  // empty: the current font, which the call names
  writerscript::Measure(pdf, text, current, in.Byte());
}

void PlayFont(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const std::int32_t family = in.Byte() % 6;  // 5 is not a family
  const int size = in.Byte();
  pdf.PDFSetFont(family, size, in.Byte());
}

void PlayFontFile(pdf::vaROR& pdf, fuzzinput::Reader& in) {
  const std::string path = in.Text();
  pdf.PDFSetFontFile(path, in.Byte());
}

// In the order of Op.
constexpr std::array<Handler, kOperationCount> kHandlers = {
    PlayText,
    PlayCell,
    PlayLink,
    PlayMeasure,
    PlayFont,
    PlayFontFile,
    // 4 is not an alignment: the writer says so and aligns left.
    [](pdf::vaROR& pdf, fuzzinput::Reader& in) { pdf.PDFSetAlignement(in.Byte() % 5); },
    [](pdf::vaROR& pdf, fuzzinput::Reader& in) { pdf.PDFSetBorder(in.Byte()); },
    [](pdf::vaROR& pdf, fuzzinput::Reader& in) { pdf.PDFSetRotation(in.Number()); },
    [](pdf::vaROR& pdf, fuzzinput::Reader& in) { pdf.PDFSetCellMargin(in.Number()); },
};

}  // namespace

std::string ReadLongText(fuzzinput::Reader& in) {
  std::string text = in.Text();
  const std::string piece = in.Text();
  const std::uint8_t count = in.Byte();
  const std::size_t room = kLongestText - text.size() - 255;  // the tail's room kept
  const std::size_t times = piece.empty() ? 0 : std::min<std::size_t>(count, room / piece.size());
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text + in.Text();
}

fuzzinput::Writer& WriteLongText(fuzzinput::Writer& out, std::string_view head,
                                 std::string_view piece, std::uint8_t times,
                                 std::string_view tail) {
  return out.Text(head).Text(piece).Byte(times).Text(tail);
}

void Play(pdf::vaROR& pdf, fuzzinput::Reader& script) {
  while (!script.Empty()) kHandlers[script.Byte() % kOperationCount](pdf, script);
}

}  // namespace textscript

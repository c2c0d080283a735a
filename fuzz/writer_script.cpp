// SPDX-License-Identifier: EUPL-1.2
#include "fuzz/writer_script.h"

#include <array>
#include <fstream>
#include <string>
#include <vector>

namespace writerscript {
namespace {

// Bounds that keep one run short; beyond them the operation is skipped.
constexpr int kMostPages = 20;
constexpr int kMostImages = 8;

struct Player {
  pdf::vaROR& pdf;
  fuzzinput::Reader& in;
  const std::filesystem::path& scratch;
  int pages = 1;
  int images = 0;
};

void PlayImage(Player& p) {
  const std::string bytes = p.in.Blob();
  const double x = p.in.Number(), y = p.in.Number(), w = p.in.Number(), h = p.in.Number();
  const std::string link = p.in.Text();
  if (p.images == kMostImages) return;
  // A file of its own: the image is copied from it when the document ends.
  const auto file = p.scratch / ("image" + std::to_string(++p.images) + ".jpg");
  std::ofstream(file, std::ios::binary) << bytes;
  p.pdf.PDFImage(file.string(), x, y, w, h, link);
}

void PlayPolygon(Player& p) {
  std::vector<double> points(p.in.Byte());
  for (double& value : points) value = p.in.Number();
  p.pdf.PDFDrawPolygon(points);
}

void PlayPageFormat(Player& p) {
  std::visit([&p](const auto& argument) { p.pdf.PDFFormatPage(argument); },
             fuzzinput::ReadPageFormat(p.in));
}

void PlayMargins(Player& p) {
  const std::int32_t left = p.in.Int32(), top = p.in.Int32(), right = p.in.Int32();
  const std::int32_t bottom = p.in.Int32();
  p.pdf.PDFSetMargins(left, top, right, bottom);
  p.pdf.PDFSetCellMargin(p.in.Number());
}

void PlayInfo(Player& p) {
  using Setter = void (pdf::vaROR::*)(const std::string&);
  static constexpr std::array<Setter, 6> kSetters = {
      &pdf::vaROR::PDFTitle,    &pdf::vaROR::PDFAuthor,  &pdf::vaROR::PDFCreator,
      &pdf::vaROR::PDFKeywords, &pdf::vaROR::PDFSubject, &pdf::vaROR::PDFProducer};
  const Setter setter = kSetters[p.in.Byte() % kSetters.size()];
  (p.pdf.*setter)(p.in.Text());
}

void PlayView(Player& p) {
  p.pdf.PDFSetZoomMode(p.in.Int32());
  p.pdf.PDFSetLayoutMode(p.in.Int32());
  p.pdf.PDFUseOutlines(p.in.Byte() % 2 == 1);
  p.pdf.PDFUseThumbs(p.in.Byte() % 2 == 1);
}

void PlayPreset(Player& p) {
  using Text = void (pdf::vaROR::*)(const std::string&, double, double);
  static constexpr std::array<Text, 8> kTexts = {
      &pdf::vaROR::FormatArial8,   &pdf::vaROR::FormatArial8i,  &pdf::vaROR::FormatArial10,
      &pdf::vaROR::FormatArial10i, &pdf::vaROR::FormatArial10B, &pdf::vaROR::FormatArial12,
      &pdf::vaROR::FormatArial12B, &pdf::vaROR::FormatArial15B};
  const std::size_t which = p.in.Byte() % (kTexts.size() + 2);
  const std::string text = p.in.Text();
  const double x = p.in.Number(), y = p.in.Number(), l = p.in.Number(), e = p.in.Number();
  if (which < kTexts.size()) return (p.pdf.*kTexts[which])(text, x, y);
  if (which == kTexts.size()) return p.pdf.FormatTableauG(text, x, y, l, e);
  p.pdf.FormatTableauD(text, x, y, l, e);
}

void PlayNewPage(Player& p) {
  if (p.pages == kMostPages) return;
  ++p.pages;
  p.pdf.PDFEndPage();
  p.pdf.PDFNewPage();
}

void PlayMeasure(Player& p) {
  const std::string text = p.in.Text();
  std::string font = p.in.Text();
  Measure(p.pdf, text, font, p.in.Int32());
}

using Handler = void (*)(Player&);
// In the order of Op.
constexpr std::array<Handler, kOperationCount> kHandlers = {
    [](Player& p) {
      const std::string text = p.in.Text();
      const double x = p.in.Number(), y = p.in.Number();
      p.pdf.PDFTextOut(text, x, y);
    },
    [](Player& p) {
      const std::string text = p.in.Text();
      const double x = p.in.Number(), y = p.in.Number(), w = p.in.Number(), h = p.in.Number();
      p.pdf.PDFCell(text, x, y, w, h, p.in.Text());
    },
    [](Player& p) {
      const double x = p.in.Number(), y = p.in.Number();
      const std::string text = p.in.Text();
      p.pdf.PDFLink(x, y, text, p.in.Text());
    },
    [](Player& p) {
      const double x1 = p.in.Number(), y1 = p.in.Number(), x2 = p.in.Number();
      p.pdf.PDFDrawLine(x1, y1, x2, p.in.Number());
    },
    [](Player& p) {
      const double x = p.in.Number(), y = p.in.Number();
      p.pdf.PDFDrawLineHor(x, y, p.in.Number());
    },
    [](Player& p) {
      const double x = p.in.Number(), y = p.in.Number();
      p.pdf.PDFDrawLineVer(x, y, p.in.Number());
    },
    [](Player& p) {
      const double x = p.in.Number(), y = p.in.Number(), w = p.in.Number(), h = p.in.Number();
      p.pdf.PDFDrawRectangle(x, y, w, h, p.in.Text());
    },
    [](Player& p) {
      const double x = p.in.Number(), y = p.in.Number(), rx = p.in.Number(), ry = p.in.Number();
      p.pdf.PDFDrawEllipse(x, y, rx, ry, p.in.Text());
    },
    PlayPolygon,
    PlayImage,
    [](Player& p) {
      const std::string text = p.in.Text();
      const auto level = static_cast<std::int8_t>(p.in.Byte());
      p.pdf.PDFSetBookmark(text, level, p.in.Number());
    },
    PlayNewPage,
    [](Player& p) { p.pdf.PDFEndPage(); },
    [](Player& p) {
      const std::int32_t family = p.in.Byte() % 6;  // 5 is not a family
      const std::int32_t size = p.in.Int32();
      p.pdf.PDFSetFont(family, size, p.in.Int32());
    },
    [](Player& p) { p.pdf.PDFSetTextColor(fuzzinput::ReadColour(p.in)); },
    [](Player& p) { p.pdf.PDFSetLineColor(fuzzinput::ReadColour(p.in)); },
    [](Player& p) { p.pdf.PDFSetDrawColor(fuzzinput::ReadColour(p.in)); },
    [](Player& p) { p.pdf.PDFSetLineStyle(p.in.Int32()); },
    [](Player& p) { p.pdf.PDFSetLineWidth(p.in.Number()); },
    [](Player& p) { p.pdf.PDFSetDrawMode(p.in.Int32()); },
    [](Player& p) { p.pdf.PDFSetAlignement(p.in.Int32()); },
    [](Player& p) { p.pdf.PDFSetBorder(p.in.Int32()); },
    [](Player& p) { p.pdf.PDFSetFill(p.in.Byte() % 2 == 1); },
    [](Player& p) { p.pdf.PDFSetRotation(p.in.Number()); },
    [](Player& p) { p.pdf.PDFSetUnit(p.in.Int32()); },
    PlayPageFormat,
    [](Player& p) { p.pdf.PDFOrientation(p.in.Int32()); },
    PlayMargins,
    PlayInfo,
    PlayView,
    PlayPreset,
    PlayMeasure,
};

}  // namespace

void Measure(pdf::vaROR& pdf, const std::string& text, std::string& font, std::int32_t size) {
  try {
    pdf.PDFGetStringWidth(text, font, size);
  } catch (const pdf::PdfError& error) {
    if (error.code() != pdf::PdfErrorCode::MetricsMissing) throw;
  }
}

void Play(pdf::vaROR& pdf, fuzzinput::Reader& script, const std::filesystem::path& scratch) {
  Player player{pdf, script, scratch};
  while (!script.Empty()) kHandlers[script.Byte() % kOperationCount](player);
}

}  // namespace writerscript

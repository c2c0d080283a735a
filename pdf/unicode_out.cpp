// SPDX-License-Identifier: EUPL-1.2
// Texts outside Windows-1252: chosen, measured, broken into lines and written as glyphs of the
// document's embedded Unicode fonts.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "pdf/format.h"
#include "pdf/missing_fonts.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

constexpr const char* kVersion = "vaROR 4.0";
constexpr double kSmallestAdjustment = 0.005;  // thousandths of the size: below, nothing moves

// Asked at every measured text: compared in place, without a lower-case copy.
bool IsFontFileName(std::string_view name) {
  if (name.size() < 4 || name[name.size() - 4] != '.') return false;
  char end[3];
  for (std::size_t i = 0; i < 3; ++i) {
    end[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[name.size() - 3 + i])));
  }
  const std::string_view extension(end, 3);
  return extension == "ttf" || extension == "otf" || extension == "ttc";
}

// A move inside a TJ array: positive moves the next glyph left.
void PutAdjustment(Composer& out, double thousandths) {
  if (std::abs(thousandths) < kSmallestAdjustment) return;
  out.Text(" ").Number(thousandths, 2).Text(" ");
}

}  // namespace

FontRequest vaROR::UnicodeRequest(const std::string& font_name) const {
  if (IsFontFileName(font_name)) return {"Helvetica", font_name};
  return {font_name, ""};
}

// Texts that Windows-1252 holds keep their bytes and the standard fonts; so does a text
// typed with combining accents whose NFC form it holds.
bool vaROR::PrepareRun(const std::string& utf8, std::string& run, const FontRequest& request) {
  run.clear();
  if (request.file.empty() && platform::AppendHeldByWindows1252(run, utf8)) return false;
  return PrepareUnicodeRun(utf8, run, request);
}

bool vaROR::PrepareUnicodeRun(const std::string& utf8, std::string& run,
                              const FontRequest& request) {
  std::string normal = UnicodeFonts::Nfc(utf8);
  if (request.file.empty() && platform::AppendHeldByWindows1252(run, normal)) return false;
  if (!obj_UnicodeFonts->Usable(request)) {
    obj_UnicodeFonts->NoteUnprintable(normal);
    platform::AppendWindows1252(run, normal);
    return false;
  }
  run = std::move(normal);
  return true;
}

double vaROR::RunWidth(const std::string& run, bool unicode, double size) {
  if (!unicode) return MeasureCurrent(run, size);
  return obj_UnicodeFonts->Width(run, CurrentRequest()) * size / 1000.0;
}

// Each glyph is placed by its shaped advance and offsets: the array moves the pen from the
// width the font gives it to the one shaping gave, and text rise lifts marks.
void vaROR::PutGlyphs(Composer& out, const std::string& run, int size, int decimals,
                      double spacing) {
  const DrawnText drawn = obj_UnicodeFonts->Draw(run, CurrentRequest());
  // The text as typed, for copying and searching whatever order the glyphs are drawn in
  // (Devanagari's vowel signs before their consonant). Not for right-to-left text: readers
  // rebuild its logical order from the glyphs, and would turn a given one round again.
  const bool actual_text = !drawn.right_to_left;
  if (actual_text) {
    out.Text("/Span <</ActualText <FEFF").Text(platform::Utf16BeHex(run)).Line(">>> BDC");
  }
  int font = 0;
  double rise = 0;
  bool open = false;
  auto close = [&] {
    if (open) out.Line("] TJ");
    open = false;
  };
  for (const DrawnGlyph& glyph : drawn.glyphs) {
    if (glyph.font != font) {
      close();
      font = glyph.font;
      out.Text("/U").Integer(font).Text(" ");
      if (decimals == 0)
        out.Integer(size);
      else
        out.Number(size, decimals);
      out.Line(" Tf");
    }
    if (glyph.y_offset != rise) {
      close();
      rise = glyph.y_offset;
      out.Number(rise * size / 1000.0, 2).Line(" Ts");
    }
    if (!open) out.Text("[");
    open = true;
    PutAdjustment(out, -glyph.x_offset);
    out.Text("<").Text(platform::HexDigits(glyph.cid, 4)).Text(">");
    const double widen = glyph.blank ? spacing * 1000.0 / size : 0;
    PutAdjustment(out, glyph.x_offset + glyph.width - glyph.advance - widen);
  }
  close();
  if (rise != 0) out.Line("0 Ts");
  if (actual_text) out.Line("EMC");
}

namespace {

// The grapheme clusters of a Unicode text, each as wide as shaping made it.
struct ClusterUnits {
  const std::string& text;
  const std::vector<BreakUnit>& units;
  double points;  // the font size
  std::size_t size() const { return units.size(); }
  char Char(std::size_t i) const { return text[units[i].begin]; }
  double Width(std::size_t i) const { return units[i].width * points / 1000.0; }
  std::size_t Byte(std::size_t i) const { return i < units.size() ? units[i].begin : text.size(); }
};

}  // namespace

// Lines break between clusters, never inside one; a line that Windows-1252 holds is written
// with the standard font like any other.
std::vector<vaROR::CellLine> vaROR::BreakUnicode(const std::string& run, double W) {
  const double room = W * in_Scale - 3.0 * in_CellMargin;
  const std::vector<BreakUnit> breaks = obj_UnicodeFonts->Units(run, CurrentRequest());
  const ClusterUnits units{run, breaks, static_cast<double>(FontSizeInUse())};
  std::vector<CellLine> lines;
  for (const LinePiece& piece : BreakIntoLines(units, room)) {
    const std::size_t begin = units.Byte(piece.begin);
    std::string text = run.substr(begin, units.Byte(piece.end) - begin);
    const bool unicode = !str_FontFile.empty() || platform::OutsideWindows1252(text);
    if (!unicode) text = platform::ToWindows1252(text);
    lines.push_back({std::move(text), piece.last, unicode});
  }
  return lines;
}

void vaROR::PutUnicodeFonts() {
  tab_UnicodeObjects.assign(1, 0);
  for (int font = 1; font <= obj_UnicodeFonts->Count(); ++font) {
    tab_UnicodeObjects.push_back(in_ObjectCount + 1);
    for (const std::string& body : obj_UnicodeFonts->Objects(font, in_ObjectCount + 1)) {
      BeginObject();
      str_Object += body;
      Composer out(str_Object);
      EndObject(out);
    }
  }
}

void vaROR::ReportMissingFonts() {
  const std::u32string& missing = obj_UnicodeFonts->Missing();
  if (missing.empty()) return;
#if !defined(AGGIR_UNICODE_TEXT)
  const FaceSource source = FaceSource::kNone;
#elif defined(__EMSCRIPTEN__)
  const FaceSource source = FaceSource::kPageFolder;
#else
  const FaceSource source =
      obj_UnicodeFonts->HasFonts() ? FaceSource::kInstalled : FaceSource::kLostModule;
#endif
  host_.ShowMessage(MissingFontsMessage(missing, source),
                    std::string("Caractères sans police - ") + kVersion,
                    platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
}

}  // namespace pdf

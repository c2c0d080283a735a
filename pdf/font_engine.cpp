// SPDX-License-Identifier: EUPL-1.2
// The engine of the font libraries: texts shaped in installed faces, each face embedded once
// per document.
#include <algorithm>

#include <algorithm>
#include <map>

#include "pdf/embedded_font.h"
#include "pdf/font_face.h"
#include "pdf/text_shaper.h"
#include "pdf/unicode_engine.h"
#include "pdf/unicode_text.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

// Characters a chosen font file lacks come from faces in the style of Helvetica.
constexpr std::string_view kFallbackStyle = "Helvetica";

const FontFace* PrimaryFace(const FontRequest& request) {
  if (!request.file.empty()) return FaceLibrary::Instance().Open(std::string(request.file));
  return FaceLibrary::Instance().StandardFace(request.metric_name);
}

std::string_view FallbackStyle(const FontRequest& request) {
  return request.file.empty() ? request.metric_name : kFallbackStyle;
}

// Where each cluster's text ends: at the next cluster's start, whatever the drawing order.
std::size_t ClusterEnd(const std::vector<std::size_t>& starts, std::size_t cluster,
                       std::size_t text_end) {
  auto next = std::upper_bound(starts.begin(), starts.end(), cluster);
  return next == starts.end() ? text_end : *next;
}

// The text a glyph of a right-to-left run stands for, last character first: readers turn a
// right-to-left line round character by character, a ligature's characters with the rest
// (lam-alef would otherwise come back as alef-lam, "سلام" as "سالم").
std::string Reversed(std::string_view text) {
  const std::vector<CodePoint> characters = CodePoints(text);
  std::string reversed;
  for (auto c = characters.rbegin(); c != characters.rend(); ++c) {
    const std::size_t end = c == characters.rbegin() ? text.size() : std::prev(c)->begin;
    reversed += text.substr(c->begin, end - c->begin);
  }
  return reversed;
}

class FontEngine final : public UnicodeEngine {
 public:
  std::string Nfc(std::string_view utf8) const override { return pdf::Nfc(utf8); }

  bool HasFonts() const override { return true; }

  bool Usable(const FontRequest& request) const override { return PrimaryFace(request) != nullptr; }

  bool IsFontFile(const std::string& file) const override {
    return FaceLibrary::Instance().Open(file) != nullptr;
  }

  double Width(std::string_view text, const FontRequest& request) override {
    return Shape(text, request).width;
  }

  std::vector<BreakUnit> Units(std::string_view text, const FontRequest& request) override;
  DrawnText Draw(std::string_view text, const FontRequest& request) override;

  void NoteUnprintable(std::string_view utf8) override {
    for (char32_t c : platform::CharactersOutsideWindows1252(utf8)) NoteMissing(c);
  }

  const std::u32string& Missing() const override { return missing_; }

  void Reset() override {
    fonts_.clear();
    numbers_.clear();
    missing_.clear();
  }

  int Count() const override { return static_cast<int>(fonts_.size()); }

  std::vector<std::string> Objects(int font, int first) const override {
    return fonts_[static_cast<std::size_t>(font - 1)].Objects(first);
  }

 private:
  void NoteMissing(char32_t c) {
    if (missing_.find(c) == std::u32string::npos) missing_ += c;
  }

  ShapedText Shape(std::string_view text, const FontRequest& request) {
    ShapedText shaped = ShapeText(text, *PrimaryFace(request), FallbackStyle(request));
    for (char32_t c : shaped.missing) NoteMissing(c);
    return shaped;
  }

  int Number(const FontFace* face) {
    auto found = numbers_.find(face);
    if (found != numbers_.end()) return found->second;
    fonts_.emplace_back(*face);
    return numbers_[face] = static_cast<int>(fonts_.size());
  }

  std::vector<EmbeddedFont> fonts_;
  std::map<const FontFace*, int> numbers_;
  std::u32string missing_;
};

std::vector<BreakUnit> FontEngine::Units(std::string_view text, const FontRequest& request) {
  const std::vector<CodePoint> characters = CodePoints(text);
  const std::vector<bool> starts = ClusterStarts(characters);
  std::vector<BreakUnit> units;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (starts[i]) units.push_back({characters[i].begin, text.size(), 0});
    if (units.size() > 1 && starts[i]) units[units.size() - 2].end = characters[i].begin;
  }
  // A glyph's advance belongs to the cluster its text starts in.
  for (const ShapedGlyph& glyph : Shape(text, request).glyphs) {
    auto unit =
        std::upper_bound(units.begin(), units.end(), glyph.cluster,
                         [](std::size_t byte, const BreakUnit& u) { return byte < u.begin; });
    if (unit != units.begin()) std::prev(unit)->width += glyph.advance;
  }
  return units;
}

DrawnText FontEngine::Draw(std::string_view text, const FontRequest& request) {
  const ShapedText shaped = Shape(text, request);
  std::vector<std::size_t> starts;
  for (const ShapedGlyph& glyph : shaped.glyphs) starts.push_back(glyph.cluster);
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  std::vector<bool> mapped(starts.size(), false);  // the cluster's text is given to one glyph
  DrawnText drawn;
  drawn.width = shaped.width;
  drawn.right_to_left = shaped.right_to_left;
  for (const ShapedGlyph& glyph : shaped.glyphs) {
    const int font = Number(glyph.face);
    const auto index = static_cast<std::size_t>(
        std::lower_bound(starts.begin(), starts.end(), glyph.cluster) - starts.begin());
    std::string_view cluster_text;
    if (!mapped[index]) {
      mapped[index] = true;
      const std::size_t end = ClusterEnd(starts, glyph.cluster, text.size());
      cluster_text = text.substr(glyph.cluster, end - glyph.cluster);
    }
    EmbeddedFont& embedded = fonts_[static_cast<std::size_t>(font - 1)];
    const std::string stands_for =
        glyph.right_to_left ? Reversed(cluster_text) : std::string(cluster_text);
    drawn.glyphs.push_back({font, embedded.Use(glyph.glyph, stands_for),
                            GlyphWidth(*glyph.face, glyph.glyph), glyph.advance, glyph.x_offset,
                            glyph.y_offset, glyph.blank});
  }
  return drawn;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) UnicodeEngine* aggir_new_unicode_engine() {
  return new FontEngine();
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
#include "pdf/unicode_fonts.h"

#include <algorithm>
#include <map>

#include "pdf/embedded_font.h"
#include "pdf/font_face.h"
#include "pdf/text_shaper.h"
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

}  // namespace

struct UnicodeFonts::State {
  std::vector<EmbeddedFont> fonts;
  std::map<const FontFace*, int> numbers;
  std::u32string missing;

  ShapedText Shape(std::string_view text, const FontRequest& request) {
    ShapedText shaped = ShapeText(text, *PrimaryFace(request), FallbackStyle(request));
    for (char32_t c : shaped.missing) {
      if (missing.find(c) == std::u32string::npos) missing += c;
    }
    return shaped;
  }

  int Number(const FontFace* face) {
    auto found = numbers.find(face);
    if (found != numbers.end()) return found->second;
    fonts.emplace_back(*face);
    return numbers[face] = static_cast<int>(fonts.size());
  }
};

UnicodeFonts::UnicodeFonts() : state_(std::make_unique<State>()) {}
UnicodeFonts::~UnicodeFonts() = default;

bool UnicodeFonts::Usable(const FontRequest& request) const {
  return PrimaryFace(request) != nullptr;
}

bool UnicodeFonts::IsFontFile(const std::string& file) {
  return FaceLibrary::Instance().Open(file) != nullptr;
}

double UnicodeFonts::Width(std::string_view text, const FontRequest& request) {
  return state_->Shape(text, request).width;
}

std::vector<BreakUnit> UnicodeFonts::Units(std::string_view text, const FontRequest& request) {
  const std::vector<CodePoint> characters = CodePoints(text);
  const std::vector<bool> starts = ClusterStarts(characters);
  std::vector<BreakUnit> units;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (starts[i]) units.push_back({characters[i].begin, text.size(), 0});
    if (units.size() > 1 && starts[i]) units[units.size() - 2].end = characters[i].begin;
  }
  // A glyph's advance belongs to the cluster its text starts in.
  for (const ShapedGlyph& glyph : state_->Shape(text, request).glyphs) {
    auto unit =
        std::upper_bound(units.begin(), units.end(), glyph.cluster,
                         [](std::size_t byte, const BreakUnit& u) { return byte < u.begin; });
    if (unit != units.begin()) std::prev(unit)->width += glyph.advance;
  }
  return units;
}

DrawnText UnicodeFonts::Draw(std::string_view text, const FontRequest& request) {
  const ShapedText shaped = state_->Shape(text, request);
  std::vector<std::size_t> starts;
  for (const ShapedGlyph& glyph : shaped.glyphs) starts.push_back(glyph.cluster);
  std::sort(starts.begin(), starts.end());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  std::vector<bool> mapped(starts.size(), false);  // the cluster's text is given to one glyph
  DrawnText drawn;
  drawn.width = shaped.width;
  drawn.right_to_left = shaped.right_to_left;
  for (const ShapedGlyph& glyph : shaped.glyphs) {
    const int font = state_->Number(glyph.face);
    const auto index = static_cast<std::size_t>(
        std::lower_bound(starts.begin(), starts.end(), glyph.cluster) - starts.begin());
    std::string_view cluster_text;
    if (!mapped[index]) {
      mapped[index] = true;
      const std::size_t end = ClusterEnd(starts, glyph.cluster, text.size());
      cluster_text = text.substr(glyph.cluster, end - glyph.cluster);
    }
    EmbeddedFont& embedded = state_->fonts[static_cast<std::size_t>(font - 1)];
    const std::string stands_for =
        glyph.right_to_left ? Reversed(cluster_text) : std::string(cluster_text);
    drawn.glyphs.push_back({font, embedded.Use(glyph.glyph, stands_for),
                            GlyphWidth(*glyph.face, glyph.glyph), glyph.advance, glyph.x_offset,
                            glyph.y_offset, glyph.blank});
  }
  return drawn;
}

void UnicodeFonts::NoteUnprintable(std::string_view utf8) {
  for (char32_t c : platform::CharactersOutsideWindows1252(utf8)) {
    if (state_->missing.find(c) == std::u32string::npos) state_->missing += c;
  }
}

const std::u32string& UnicodeFonts::Missing() const { return state_->missing; }

void UnicodeFonts::Reset() {
  state_->fonts.clear();
  state_->numbers.clear();
  state_->missing.clear();
}

int UnicodeFonts::Count() const { return static_cast<int>(state_->fonts.size()); }

std::vector<std::string> UnicodeFonts::Objects(int font, int first) const {
  return state_->fonts[static_cast<std::size_t>(font - 1)].Objects(first);
}

}  // namespace pdf

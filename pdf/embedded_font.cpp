// SPDX-License-Identifier: EUPL-1.2
#include "pdf/embedded_font.h"

#include <hb.h>

#include <cctype>
#include <cmath>
#include <optional>
#include <set>

#include "pdf/flate.h"
#include "pdf/font_subset.h"
#include "pdf/format.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

constexpr int kFixedPitch = 1, kSerif = 2, kSymbolic = 4, kItalic = 64;
constexpr std::size_t kCharsPerBlock = 100;  // the most a bfchar block may hold

// Only the characters a PDF name takes unescaped.
std::string NameOf(const std::string& postscript_name) {
  std::string name;
  for (char c : postscript_name) {
    const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
    name += plain ? c : '-';
  }
  return name.empty() ? "Unnamed" : name;
}

}  // namespace

int GlyphWidth(const FontFace& face, std::uint32_t glyph) {
  return static_cast<int>(
      std::lround(face.Thousandths(hb_font_get_glyph_h_advance(face.font, glyph))));
}

std::uint32_t EmbeddedFont::Use(std::uint32_t glyph, std::string_view text) {
  const std::uint32_t cid = face_->cff   ? face_->Cid(glyph)
                            : glyph == 0 ? EmptyBoxCid(text)
                                         : DrawnCid(glyph);
  glyphs_.emplace(cid, glyph);
  if (!text.empty()) texts_.emplace(cid, std::string(text));
  return cid;
}

std::uint32_t EmbeddedFont::DrawnCid(std::uint32_t glyph) {
  return cid_of_glyph_.emplace(glyph, NextCid()).first->second;
}

// Each character without a glyph gets a CID of its own, drawn as the face's empty box, so
// that copying gives it back: in a right-to-left run, where no /ActualText says the text,
// the boxes would otherwise all copy as the first one's character.
std::uint32_t EmbeddedFont::EmptyBoxCid(std::string_view text) {
  if (text.empty()) return 0;
  return cid_of_box_.emplace(std::string(text), NextCid()).first->second;
}

std::uint32_t EmbeddedFont::NextCid() const {
  return static_cast<std::uint32_t>(cid_of_glyph_.size() + cid_of_box_.size() + 1);
}

// The tag names the glyph set, so that the same subset gets the same name in every file.
std::string EmbeddedFont::BaseFont() const {
  std::uint32_t hash = 2166136261u;
  auto mix = [&hash](std::uint32_t value) { hash = (hash ^ value) * 16777619u; };
  for (char c : face_->postscript_name) mix(static_cast<unsigned char>(c));
  for (const auto& [cid, glyph] : glyphs_) mix(glyph);
  std::string tag(6, 'A');
  for (char& letter : tag) {
    letter = static_cast<char>('A' + hash % 26);
    hash /= 26;
  }
  return tag + "+" + NameOf(face_->postscript_name);
}

std::vector<std::string> EmbeddedFont::Objects(int first) const {
  GlyphTexts used;
  for (const auto& [cid, glyph] : glyphs_) {
    const auto text = texts_.find(cid);
    used.emplace(glyph, text == texts_.end() ? std::string_view() : std::string_view(text->second));
  }
  std::optional<FontProgram> program = SubsetFont(*face_, used);
  const std::string name = BaseFont();
  std::vector<std::string> objects = {Type0(first, name), CidFont(first, name),
                                      Descriptor(first, name)};
  std::string file = program ? program->bytes : std::string();
  if (face_->cff) {
    objects.push_back(FlateStream(" /Subtype /CIDFontType0C", file));
  } else {
    std::string length = " /Length1 " + std::to_string(file.size());
    objects.push_back(FlateStream(length, file));
  }
  objects.push_back(ToUnicode());
  if (!face_->cff)
    objects.push_back(CidToGidMap(program ? program->new_glyph : decltype(program->new_glyph){}));
  return objects;
}

std::string EmbeddedFont::Type0(int first, const std::string& name) const {
  std::string body;
  Composer out(body);
  out.Line("<< /Type /Font").Line("/Subtype /Type0").Text("/BaseFont /").Line(name);
  out.Line("/Encoding /Identity-H").Text("/DescendantFonts [").Ref(first + 1).Line("]");
  out.Text("/ToUnicode ").Ref(first + 4).Line("").Line(">>").Done();
  return body;
}

std::string EmbeddedFont::CidFont(int first, const std::string& name) const {
  std::string body;
  Composer out(body);
  out.Line("<< /Type /Font").Text("/Subtype /").Line(face_->cff ? "CIDFontType0" : "CIDFontType2");
  out.Text("/BaseFont /").Line(name);
  out.Line("/CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>");
  out.Text("/FontDescriptor ").Ref(first + 2).Line("");
  if (!face_->cff) out.Text("/CIDToGIDMap ").Ref(first + 5).Line("");
  out.Text("/W [");
  for (const auto& [cid, glyph] : glyphs_) {
    out.Integer(cid).Text(" [").Integer(GlyphWidth(*face_, glyph)).Text("] ");
  }
  out.Line("]").Line(">>").Done();
  return body;
}

std::string EmbeddedFont::Descriptor(int first, const std::string& name) const {
  const FaceMetrics& m = face_->metrics;
  const int flags = kSymbolic | (m.fixed_pitch ? kFixedPitch : 0) | (m.serif ? kSerif : 0) |
                    (m.italic ? kItalic : 0);
  std::string body;
  Composer out(body);
  out.Line("<< /Type /FontDescriptor").Text("/FontName /").Line(name);
  out.Text("/Flags ").Integer(flags).Line("");
  out.Text("/FontBBox [").Integer(m.bbox[0]).Text(" ").Integer(m.bbox[1]).Text(" ");
  out.Integer(m.bbox[2]).Text(" ").Integer(m.bbox[3]).Line("]");
  out.Text("/ItalicAngle ").Number(m.italic_angle, 2).Line("");
  out.Text("/Ascent ").Integer(m.ascent).Line("").Text("/Descent ").Integer(m.descent).Line("");
  out.Text("/CapHeight ").Integer(m.cap_height).Line("");
  out.Text("/StemV ").Integer(m.stem_v).Line("");
  out.Text(face_->cff ? "/FontFile3 " : "/FontFile2 ").Ref(first + 3).Line("").Line(">>").Done();
  return body;
}

std::string EmbeddedFont::ToUnicode() const {
  std::string cmap =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  std::size_t left = texts_.size();
  auto it = texts_.begin();
  while (left > 0) {
    const std::size_t block = std::min(left, kCharsPerBlock);
    cmap += std::to_string(block) + " beginbfchar\n";
    for (std::size_t i = 0; i < block; ++i, ++it) {
      cmap += "<" + platform::HexDigits(it->first, 4) + "> <" + platform::Utf16BeHex(it->second) +
              ">\n";
    }
    cmap += "endbfchar\n";
    left -= block;
  }
  cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return FlateStream("", cmap);
}

// Two bytes per CID, up to the highest drawn: the glyph in the subset.
std::string EmbeddedFont::CidToGidMap(
    const std::map<std::uint32_t, std::uint32_t>& new_glyph) const {
  const std::uint32_t highest = glyphs_.empty() ? 0 : glyphs_.rbegin()->first;
  std::string map(2 * (static_cast<std::size_t>(highest) + 1), '\0');
  for (const auto& [cid, glyph] : glyphs_) {
    auto found = new_glyph.find(glyph);
    const std::uint32_t target = found != new_glyph.end() ? found->second : 0;
    map[2 * cid] = static_cast<char>(target >> 8);
    map[2 * cid + 1] = static_cast<char>(target & 0xFF);
  }
  return FlateStream("", map);
}

}  // namespace pdf

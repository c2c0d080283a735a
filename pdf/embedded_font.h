// SPDX-License-Identifier: EUPL-1.2
// One face embedded in a document: a Type0 font (Identity-H) over a CIDFontType2 for
// TrueType outlines or a CIDFontType0 for CFF ones, with only the glyphs the document draws,
// their widths and the text each stands for (/ToUnicode).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/font_face.h"

namespace pdf {

// A glyph's width in the /W array, thousandths of the size: the pen moves by it in the file.
int GlyphWidth(const FontFace& face, std::uint32_t glyph);

class EmbeddedFont {
 public:
  explicit EmbeddedFont(const FontFace& face) : face_(&face) {}
  const FontFace& Face() const { return *face_; }
  // Records the glyph as drawn for the text of its cluster; returns its code in the content.
  std::uint32_t Use(std::uint32_t glyph, std::string_view text);
  // The font's objects numbered from `first`, the Type0 font first: each its lines between
  // "n 0 obj" and "endobj".
  std::vector<std::string> Objects(int first) const;

 private:
  std::uint32_t DrawnCid(std::uint32_t glyph);
  std::uint32_t EmptyBoxCid(std::string_view text);
  std::uint32_t NextCid() const;
  std::string BaseFont() const;  // a six-letter subset tag, "+", the PostScript name
  std::string Type0(int first, const std::string& name) const;
  std::string CidFont(int first, const std::string& name) const;
  std::string Descriptor(int first, const std::string& name) const;
  std::string ToUnicode() const;
  std::string CidToGidMap(const std::map<std::uint32_t, std::uint32_t>& new_glyph) const;

  const FontFace* face_;
  std::map<std::uint32_t, std::uint32_t> glyphs_;  // CID: the face's glyph
  // A TrueType face's glyphs numbered as drawn, from CID 1: the CIDToGIDMap stays as short as
  // the glyphs the document uses, where the glyph's own number would make it span the face.
  std::map<std::uint32_t, std::uint32_t> cid_of_glyph_;
  std::map<std::string, std::uint32_t, std::less<>> cid_of_box_;  // by the text it stands for
  std::map<std::uint32_t, std::string> texts_;     // CID: the text it stands for
};

}  // namespace pdf

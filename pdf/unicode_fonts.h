// SPDX-License-Identifier: EUPL-1.2
// The writer's Unicode fonts: texts with characters outside Windows-1252 measured, shaped and
// drawn in installed faces, each face embedded once per document. A build without the font
// libraries has none: such texts keep their "?" and the user is told.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pdf {

// A glyph as the content stream draws it, in thousandths of the font size.
struct DrawnGlyph {
  int font;  // the document's Unicode font, from 1: resource "/U" + font
  std::uint32_t cid;
  int width;  // the font's /W width
  double advance, x_offset, y_offset;
  bool blank;  // a space: justified lines widen it
};

struct DrawnText {
  std::vector<DrawnGlyph> glyphs;  // left to right
  double width = 0;                // thousandths of the font size
  bool right_to_left = false;      // some of it runs right to left
};

// A grapheme cluster of a text, the unit of line breaking.
struct BreakUnit {
  std::size_t begin, end;  // bytes
  double width;            // thousandths of the font size
};

// What a text is drawn in: a standard font by its metric name ("Times-Bold"), or a font file.
struct FontRequest {
  std::string_view metric_name;
  std::string_view file;
};

class UnicodeEngine;

class UnicodeFonts {
 public:
  UnicodeFonts();
  ~UnicodeFonts();
  UnicodeFonts(const UnicodeFonts&) = delete;
  UnicodeFonts& operator=(const UnicodeFonts&) = delete;

  // NFC: a name typed with combining accents prints as its precomposed form.
  static std::string Nfc(std::string_view utf8);
  // Whether the font libraries are there: false when the module that holds them is lost.
  bool HasFonts() const;
  // Whether texts in this font can be drawn: the libraries are built in and a face is found.
  bool Usable(const FontRequest& request) const;
  // Whether the file holds a TrueType or OpenType face the writer can embed.
  static bool IsFontFile(const std::string& file);

  // `text` is NFC and well-formed in the three below.
  double Width(std::string_view text, const FontRequest& request);
  std::vector<BreakUnit> Units(std::string_view text, const FontRequest& request);
  // The glyphs to draw; they are embedded with the document's fonts.
  DrawnText Draw(std::string_view text, const FontRequest& request);

  // A text printed with "?" in place of the characters outside Windows-1252.
  void NoteUnprintable(std::string_view utf8);
  // The characters printed without their font, in the order they were met.
  const std::u32string& Missing() const;

  void Reset();  // a new document
  int Count() const;
  // The objects of font `font` (from 1), numbered from `first`: each its lines between
  // "n 0 obj" and "endobj"; the first is the font the resources name.
  std::vector<std::string> Objects(int font, int first) const;

 private:
  UnicodeEngine& Engine() const;

  mutable std::unique_ptr<UnicodeEngine> engine_;  // loaded at the first text that needs it
};

}  // namespace pdf

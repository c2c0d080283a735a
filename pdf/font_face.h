// SPDX-License-Identifier: EUPL-1.2
// The installed faces the writer draws Unicode text with: opened once per process and shared
// by every writer and thread, found through face_lookup.h (fontconfig on the desktop).
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct hb_face_t;
struct hb_font_t;
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace pdf {

// What a FontDescriptor says of a face, in thousandths of the em.
struct FaceMetrics {
  int bbox[4] = {0, 0, 0, 0};
  int ascent = 0, descent = 0, cap_height = 0, stem_v = 80;
  double italic_angle = 0;
  bool fixed_pitch = false, serif = false, italic = false;
};

struct FontFace {
  FontFace() = default;
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;
  ~FontFace();

  std::string file;
  unsigned index = 0;  // the face's place in a collection (.ttc)
  hb_face_t* face = nullptr;
  hb_font_t* font = nullptr;  // immutable, in font units: shared by threads
  unsigned units_per_em = 1000;
  bool cff = false;  // CFF outlines: a CIDFontType0
  std::string postscript_name;
  FaceMetrics metrics;

  bool Has(char32_t character) const;
  // A CFF whose glyphs have CIDs; in other faces a glyph's CID is its number.
  bool CidKeyed() const { return cid_face_ != nullptr; }
  std::uint32_t Cid(std::uint32_t glyph) const;
  // Kept open for a CID-keyed face: its CIDs are read as glyphs are drawn, where reading
  // all at opening costs a CJK face 65,535 lookups.
  void KeepCids(FT_LibraryRec_* library, FT_FaceRec_* face);
  // A character whose nominal glyph this is (an Arabic letter's final form is often also a
  // presentation form's); nothing for glyphs only shaping reaches. Built at the first call.
  std::optional<char32_t> CharacterOf(std::uint32_t glyph) const;
  double Thousandths(double units) const { return units * 1000.0 / units_per_em; }

 private:
  FT_LibraryRec_* cid_library_ = nullptr;
  FT_FaceRec_* cid_face_ = nullptr;
  mutable std::mutex cid_mutex_;  // FreeType's faces are not for two threads at once
  mutable std::once_flag characters_built_;
  mutable std::unordered_map<std::uint32_t, char32_t> character_of_glyph_;
};

// The process's faces. Every call may come from any thread.
class FaceLibrary {
 public:
  static FaceLibrary& Instance();
  // A TrueType or OpenType file; nullptr when it holds no usable face.
  const FontFace* Open(const std::string& file, unsigned index = 0);
  // The Liberation face matching a standard font's metric name ("Times-Bold": Liberation Serif
  // Bold); whatever the lookup offers for it when Liberation is not there.
  const FontFace* StandardFace(std::string_view metric_name);
  // The face the lookup picks for a character the standard face lacks, in that face's style;
  // nullptr when no outline face it knows has it.
  const FontFace* FaceFor(char32_t character, std::string_view metric_name);

 private:
  FaceLibrary();
};

}  // namespace pdf

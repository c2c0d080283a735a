// SPDX-License-Identifier: EUPL-1.2
// The desktop's faces: whatever fontconfig knows of the installed fonts.
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "pdf/face_lookup.h"

namespace pdf {
namespace {

using Pattern = std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)>;
using FontList = std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)>;
std::map<std::tuple<std::string, bool, bool>, FontList> preferences;  // by family, bold, italic

Pattern StylePattern(const FaceStyle& style) {
  Pattern pattern(FcPatternCreate(), &FcPatternDestroy);
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(style.family));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  return pattern;
}

void Substitute(FcPattern* pattern) {
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
}

// Only outlines can be embedded: colour bitmap faces (emoji) are left out.
bool IsOutlineFace(FcPattern* font) {
  FcBool outline = FcFalse, colour = FcFalse;
  FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
  FcPatternGetBool(font, FC_COLOR, 0, &colour);
  return outline && !colour;
}

std::optional<FaceFile> FileOf(FcPattern* font) {
  FcChar8* file = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
  FcPatternGetInteger(font, FC_INDEX, 0, &index);
  return FaceFile{reinterpret_cast<const char*>(file), static_cast<unsigned>(index)};
}

}  // namespace

void StartFaceLookup() { FcInit(); }

std::optional<FaceFile> StyleFaceFile(const FaceStyle& style) {
  Pattern pattern = StylePattern(style);
  Substitute(pattern.get());
  FcResult result = FcResultNoMatch;
  Pattern font(FcFontMatch(nullptr, pattern.get(), &result), &FcPatternDestroy);
  if (font == nullptr) return std::nullopt;
  return FileOf(font.get());
}

namespace {

// Every installed face in fontconfig's order of preference for the style, sorted once per
// process: sorting them costs about 3 M instructions, paid before for every new character.
const FcFontSet* Preference(const FaceStyle& style) {
  auto key = std::make_tuple(std::string(style.family), style.bold, style.italic);
  auto found = preferences.find(key);
  if (found == preferences.end()) {
    Pattern pattern = StylePattern(style);
    Substitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FontList fonts(FcFontSort(nullptr, pattern.get(), FcFalse, nullptr, &result),
                   &FcFontSetDestroy);
    found = preferences.emplace(key, std::move(fonts)).first;
  }
  return found->second.get();
}

}  // namespace

// The faces of the style's order that have the character: fontconfig ranks coverage before
// family and style, and leaves the faces that cover it in the style's order.
std::vector<FaceFile> CoveringFaceFiles(char32_t character, const FaceStyle& style) {
  std::vector<FaceFile> files;
  const FcFontSet* fonts = Preference(style);
  if (fonts == nullptr) return files;
  for (int i = 0; i < fonts->nfont; ++i) {
    FcPattern* font = fonts->fonts[i];
    FcCharSet* has = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &has) != FcResultMatch) continue;
    if (!FcCharSetHasChar(has, character) || !IsOutlineFace(font)) continue;
    if (auto file = FileOf(font)) files.push_back(std::move(*file));
  }
  return files;
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// The page's faces, without fontconfig: Liberation inlined in the page for the alphabets it
// has (Latin, Greek, Cyrillic), then the Noto faces of the `fonts/` folder beside the page,
// fetched by the page the first time a character of theirs is printed.
#include <emscripten.h>
#include <sys/stat.h>

#include <set>
#include <string_view>

#include "pdf/face_lookup.h"

namespace pdf {
namespace {

// Where the page writes the faces it is given in its in-memory file system.
constexpr std::string_view kInlined = "/aggir/system/Fonts/";
constexpr std::string_view kFetched = "/fonts/";

// A face of the fonts/ folder by the characters it is for: file name "<stem>-Regular<type>"
// or "<stem>-Bold<type>".
struct Script {
  char32_t first, last;
  const char* stem;
  const char* type = ".ttf";
};

// Chinese, Japanese and Korean: one face of Noto Sans CJK's collection (CFF outlines), the
// one fontconfig gives the desktop for these characters. Their ranges: Hangul jamo, the
// radicals, the symbols, kana, bopomofo and ideographs from U+3000, Hangul syllables and
// jamo, compatibility ideographs and forms, full and half widths, the ideographs beyond
// U+FFFF.
constexpr const char* kCjk = "NotoSansCJK";
constexpr const char* kCff = ".otf";

constexpr Script kScripts[] = {
    {0x0590, 0x05FF, "NotoSansHebrew"},     {0xFB1D, 0xFB4F, "NotoSansHebrew"},
    {0x0600, 0x06FF, "NotoSansArabic"},     {0x0750, 0x077F, "NotoSansArabic"},
    {0x08A0, 0x08FF, "NotoSansArabic"},     {0xFB50, 0xFDFF, "NotoSansArabic"},
    {0xFE70, 0xFEFF, "NotoSansArabic"},     {0x0900, 0x097F, "NotoSansDevanagari"},
    {0xA8E0, 0xA8FF, "NotoSansDevanagari"}, {0x0E00, 0x0E7F, "NotoSansThai"},
    {0x1100, 0x11FF, kCjk, kCff},           {0x2E80, 0x2FDF, kCjk, kCff},
    {0x3000, 0x9FFF, kCjk, kCff},           {0xA960, 0xA97F, kCjk, kCff},
    {0xAC00, 0xD7FF, kCjk, kCff},           {0xF900, 0xFAFF, kCjk, kCff},
    {0xFE30, 0xFE4F, kCjk, kCff},           {0xFF00, 0xFFEF, kCjk, kCff},
    {0x20000, 0x3134F, kCjk, kCff},
};
// Latin, Greek and Cyrillic letters Liberation lacks.
constexpr const char* kOtherStem = "NotoSans";

EM_ASYNC_JS(int, JsFetchFace, (const char* name, const char* path), {
  return await Module.page.fetchFace(UTF8ToString(name), UTF8ToString(path)) ? 1 : 0;
});

bool Exists(const std::string& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0;
}

// A face of the fonts/ folder, fetched once: a face the folder lacks is not asked for again.
std::optional<FaceFile> Fetched(const std::string& name) {
  static std::set<std::string> asked;
  const std::string file = std::string(kFetched) + name;
  if (asked.insert(name).second && !Exists(file)) JsFetchFace(name.c_str(), file.c_str());
  if (!Exists(file)) return std::nullopt;
  return FaceFile{file, 0};
}

const Script& ScriptOf(char32_t character) {
  static constexpr Script kOther{0, 0, kOtherStem};
  for (const Script& script : kScripts) {
    if (character >= script.first && character <= script.last) return script;
  }
  return kOther;
}

std::string Inlined(std::string_view family, bool bold, bool italic) {
  std::string name(family);
  std::erase(name, ' ');
  const char* style = bold ? (italic ? "-BoldItalic" : "-Bold") : (italic ? "-Italic" : "-Regular");
  return std::string(kInlined) + name + style + ".ttf";
}

}  // namespace

void StartFaceLookup() {}

// The page carries the sheet's faces only: another family is drawn in Liberation Sans, a
// missing style in the nearest one it carries.
std::optional<FaceFile> StyleFaceFile(const FaceStyle& style) {
  for (std::string_view family :
       {std::string_view(style.family), std::string_view("Liberation Sans")}) {
    for (const std::string& file :
         {Inlined(family, style.bold, style.italic), Inlined(family, style.bold, false),
          Inlined(family, false, false)}) {
      if (Exists(file)) return FaceFile{file, 0};
    }
  }
  return std::nullopt;
}

std::vector<FaceFile> CoveringFaceFiles(char32_t character, const FaceStyle& style) {
  const Script& script = ScriptOf(character);
  std::vector<FaceFile> files;
  for (const char* weight : {style.bold ? "-Bold" : "-Regular", "-Regular"}) {
    if (auto file = Fetched(script.stem + std::string(weight) + script.type)) {
      files.push_back(std::move(*file));
      break;
    }
  }
  return files;
}

}  // namespace pdf

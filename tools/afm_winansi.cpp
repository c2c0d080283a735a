// SPDX-License-Identifier: EUPL-1.2
// Build tool: writes the program's metric folder from the standard 14 AFM files.
//
//   aggir_afm_winansi <source folder> <target folder>
//
// Each target file is named after the font's FontName and holds, besides Adobe's copyright
// notices, only the facts the writer measures with: the font name, its bounding box and one
// character line per code (code, width, glyph name, glyph box), in ascending code order. Text fonts
// are re-coded in Windows-1252 order (glyph name to code by WinAnsiEncoding), so that accented
// letters measure as the glyphs a reader draws for those bytes; Symbol and ZapfDingbats keep their
// own codes. The composed names TimesItalic and TimesRoman get copies.
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// WinAnsiEncoding glyph names of the bytes 0x20..0xFF; empty where the code page has none.
const std::array<const char*, 224> kWinAnsi = {
    "space", "exclam", "quotedbl", "numbersign", "dollar", "percent", "ampersand", "quotesingle",
    "parenleft", "parenright", "asterisk", "plus", "comma", "hyphen", "period", "slash", "zero",
    "one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "colon", "semicolon",
    "less", "equal", "greater", "question", "at", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
    "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "bracketleft",
    "backslash", "bracketright", "asciicircum", "underscore", "grave", "a", "b", "c", "d", "e", "f",
    "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t", "u", "v", "w", "x", "y",
    "z", "braceleft", "bar", "braceright", "asciitilde", "",
    // 0x80
    "Euro", "", "quotesinglbase", "florin", "quotedblbase", "ellipsis", "dagger", "daggerdbl",
    "circumflex", "perthousand", "Scaron", "guilsinglleft", "OE", "", "Zcaron", "", "", "quoteleft",
    "quoteright", "quotedblleft", "quotedblright", "bullet", "endash", "emdash", "tilde",
    "trademark", "scaron", "guilsinglright", "oe", "", "zcaron", "Ydieresis",
    // 0xA0
    "space", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "hyphen", "registered",
    "macron", "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph",
    "periodcentered", "cedilla", "onesuperior", "ordmasculine", "guillemotright", "onequarter",
    "onehalf", "threequarters", "questiondown", "Agrave", "Aacute", "Acircumflex", "Atilde",
    "Adieresis", "Aring", "AE", "Ccedilla", "Egrave", "Eacute", "Ecircumflex", "Edieresis",
    "Igrave", "Iacute", "Icircumflex", "Idieresis", "Eth", "Ntilde", "Ograve", "Oacute",
    "Ocircumflex", "Otilde", "Odieresis", "multiply", "Oslash", "Ugrave", "Uacute", "Ucircumflex",
    "Udieresis", "Yacute", "Thorn", "germandbls", "agrave", "aacute", "acircumflex", "atilde",
    "adieresis", "aring", "ae", "ccedilla", "egrave", "eacute", "ecircumflex", "edieresis",
    "igrave", "iacute", "icircumflex", "idieresis", "eth", "ntilde", "ograve", "oacute",
    "ocircumflex", "otilde", "odieresis", "divide", "oslash", "ugrave", "uacute", "ucircumflex",
    "udieresis", "yacute", "thorn", "ydieresis"};

const std::array<const char*, 14> kSources = {"pcrr8a",  "pcrb8a",  "pcrro8a", "pcrbo8a", "phvr8a",
                                              "phvb8a",  "phvro8a", "phvbo8a", "ptmr8a",  "ptmb8a",
                                              "ptmri8a", "ptmbi8a", "psyr",    "pzdr"};

struct Glyph {
  int code = -1;
  std::string width;
  std::string name;
  std::string box;
};

struct Font {
  std::vector<std::string> copyright;  // Adobe's terms ask that every notice be kept
  std::string name;
  std::string box;
  std::vector<Glyph> glyphs;
};

// Value of a "KEY value ;" field of a character metric line, e.g. "WX" -> "278".
std::string Field(const std::string& line, const std::string& key) {
  std::istringstream fields(line);
  std::string field;
  while (std::getline(fields, field, ';')) {
    std::istringstream words(field);
    std::string word;
    words >> word;
    if (word != key) continue;
    std::string value, rest;
    std::getline(words >> std::ws, value);
    while (!value.empty() && value.back() == ' ') value.pop_back();
    return value;
  }
  return "";
}

Font ReadFont(const fs::path& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  Font font;
  std::string line;
  bool metrics = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("Comment Copyright", 0) == 0) font.copyright.push_back(line);
    if (line.rfind("FontName ", 0) == 0) font.name = line.substr(9);
    if (line.rfind("FontBBox ", 0) == 0) font.box = line.substr(9);
    if (line.rfind("StartCharMetrics", 0) == 0) metrics = true;
    if (line.rfind("EndCharMetrics", 0) == 0) metrics = false;
    if (!metrics || line.rfind("C ", 0) != 0) continue;
    font.glyphs.push_back(
        {std::stoi(Field(line, "C")), Field(line, "WX"), Field(line, "N"), Field(line, "B")});
  }
  if (font.name.empty() || font.glyphs.empty())
    throw std::runtime_error("no metrics in " + path.string());
  return font;
}

// Glyphs by Windows-1252 code for text fonts; the font's own codes for symbol fonts.
std::map<int, const Glyph*> Encode(const Font& font) {
  std::map<int, const Glyph*> by_code;
  bool symbolic = font.name == "Symbol" || font.name == "ZapfDingbats";
  if (symbolic) {
    for (const auto& glyph : font.glyphs) {
      if (glyph.code >= 1 && glyph.code <= 255) by_code[glyph.code] = &glyph;
    }
    return by_code;
  }
  std::map<std::string, const Glyph*> by_name;
  for (const auto& glyph : font.glyphs) by_name[glyph.name] = &glyph;
  for (std::size_t i = 0; i < kWinAnsi.size(); ++i) {
    auto found = by_name.find(kWinAnsi[i]);
    if (found != by_name.end()) by_code[0x20 + static_cast<int>(i)] = found->second;
  }
  return by_code;
}

void WriteFont(const Font& font, const fs::path& path) {
  auto by_code = Encode(font);
  std::ofstream out(path, std::ios::binary);
  bool symbolic = font.name == "Symbol" || font.name == "ZapfDingbats";
  out << "StartFontMetrics 2.0\n";
  for (const std::string& notice : font.copyright) out << notice << "\n";
  out << "FontName " << font.name << "\n"
      << "FontBBox " << font.box << "\n"
      << "EncodingScheme " << (symbolic ? "FontSpecific" : "WinAnsiEncoding") << "\n"
      << "StartCharMetrics " << by_code.size() << "\n";
  for (const auto& [code, glyph] : by_code) {
    out << "C " << code << " ; WX " << glyph->width << " ; N " << glyph->name << " ; B "
        << glyph->box << " ;\n";
  }
  out << "EndCharMetrics\nEndFontMetrics\n";
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: aggir_afm_winansi <source folder> <target folder>\n";
    return 2;
  }
  try {
    fs::path source = argv[1];
    fs::path target = argv[2];
    fs::create_directories(target);
    for (const char* file : kSources) {
      Font font = ReadFont(source / (std::string(file) + ".afm"));
      WriteFont(font, target / (font.name + ".afm"));
      if (font.name == "Times-Italic") WriteFont(font, target / "TimesItalic.afm");
      if (font.name == "Times-Roman") WriteFont(font, target / "TimesRoman.afm");
    }
  } catch (const std::exception& error) {
    std::cerr << "aggir_afm_winansi: " << error.what() << "\n";
    return 1;
  }
  return 0;
}

// SPDX-License-Identifier: EUPL-1.2
// Current font, metric file listing and text measurement.
#include "pdf/fonts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <fstream>

#include "pdf/file_names.h"
#include "pdf/vaROR.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

constexpr std::array<std::string_view, 5> kFamilies = {"Helvetica", "Courier", "Times", "Symbol",
                                                       "ZapfDingbats"};

bool IsMetricFile(const std::filesystem::directory_entry& entry) {
  std::string extension = entry.path().extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".afm" && !entry.is_directory();
}

}  // namespace

void ComposeFontName(std::string& name, std::string_view family, bool italic, bool bold) {
  const bool times = family == "Times";
  name.assign(family);
  if (bold && italic) {
    name += times ? "-BoldItalic" : "-BoldOblique";
  } else if (bold) {
    name += "-Bold";
  } else if (italic) {
    if (times)
      name.assign("TimesItalic");
    else
      name += "-Oblique";
  } else if (times) {
    name += "-Roman";
  }
}

std::string BaseFontName(const std::string& metric_name) {
  if (metric_name == "TimesItalic") return "Times-Italic";
  if (metric_name == "TimesRoman") return "Times-Roman";
  return metric_name;
}

bool HasBuiltInEncoding(const std::string& metric_name) {
  return metric_name == "Symbol" || metric_name == "ZapfDingbats";
}

void vaROR::PDFSetFont(std::int32_t str_Fontname, int font_size, std::int32_t str_Style) {
  if (str_Fontname >= 0 && str_Fontname < static_cast<std::int32_t>(kFamilies.size())) {
    ReadStyle(str_Style);
    ComposeFontName(str_FontName, kFamilies[static_cast<std::size_t>(str_Fontname)], boItalic,
                    boBold);
  } else {
    ShowCritical("Nom de font incorrecte : " + std::to_string(str_Fontname) + ".\r\n" +
                     "La font utilisée sera Times New Roman non gras , non italique.",
                 "Nom de Font");
    str_FontName = "TimesRoman";
    boItalic = boBold = false;
  }
  in_FontSize = font_size;
  str_FontFile.clear();
  str_ReportedFont.clear();
}

void vaROR::PDFSetFontFile(const std::string& pFontFile, int font_size) {
  if (!UnicodeFonts::IsFontFile(pFontFile)) {
    ShowCritical("Fichier de police refusé : " + pFontFile + ".\r\n" +
                     "Ce n'est pas une police TrueType ou OpenType lisible ; la font reste " +
                     (str_FontFile.empty() ? str_FontName : str_FontFile) + ".",
                 "Nom de Font");
    return;
  }
  str_FontFile = pFontFile;
  in_FontSize = font_size;
}

// The decimal digits of the style, read without a string: 1 italic, 2 bold, 3 underline.
void vaROR::ReadStyle(std::int32_t style) {
  bool underline = false;
  boItalic = boBold = false;
  for (std::int64_t rest = std::abs(static_cast<std::int64_t>(style)); rest > 0; rest /= 10) {
    const auto digit = rest % 10;
    boItalic |= digit == 1;
    boBold |= digit == 2;
    underline |= digit == 3;
  }
  if (underline) boUnderline = true;  // only ever set here: the next text clears it
}

void vaROR::PDFLoadAfm(const std::string& sPathAFM) {
  // The font objects and every "/F" of the open pages follow the list: it must not change.
  if (in_DocumentState == DocumentState::Open) {
    ShowCritical("Dossier de métriques refusé pendant le document : " + sPathAFM + ".\r\n" +
                     "Les fonts utilisées restent celles de " + str_PathConfig + ".",
                 "Chargement des Fonts");
    return;
  }
  std::vector<std::string> names = ListMetricFiles(sPathAFM);
  if (names.empty()) {  // the previous list stays in force
    str_EmptyAfmFolder = sPathAFM;
    return;
  }
  str_EmptyAfmFolder.clear();
  tab_FontNames = std::move(names);
  PDFPathConfiguration(sPathAFM);
}

void vaROR::PDFKeepMetrics(bool keep) {
  boKeepMetrics = keep;
  if (!keep) tab_MetricListings.clear();
}

std::vector<std::string> vaROR::ListMetricFiles(const std::string& folder) {
  if (boKeepMetrics) {
    const auto kept = tab_MetricListings.find(folder);
    if (kept != tab_MetricListings.end()) return kept->second;
  }
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (IsMetricFile(entry)) names.push_back(entry.path().stem().string());
  }
  // Sorted, so that resource numbers do not depend on the file system's listing order.
  std::sort(names.begin(), names.end());
  if (boKeepMetrics) tab_MetricListings.emplace(folder, names);
  return names;
}

double vaROR::PDFGetStringWidth(const std::string& text, std::string& font_name, int font_size) {
  if (font_name.empty()) font_name = str_FontFile.empty() ? str_FontName : str_FontFile;
  const FontRequest request = UnicodeRequest(font_name);
  if (PrepareRun(text, str_Bytes, request)) {
    return obj_UnicodeFonts->Width(str_Bytes, request) * font_size / 1000.0;
  }
  return Measure(str_Bytes, font_name, font_size);
}

// Looked up by name: the tables belong to the metric folder in force, and are dropped when
// it changes. The file's path is built only the first time a name is met.
const WidthTable& vaROR::Metrics(const std::string& name) {
  if (ptr_LastMetrics != nullptr && name == str_LastMetricsName) return *ptr_LastMetrics;
  auto cached = tab_Metrics.find(name);
  if (cached == tab_Metrics.end()) cached = tab_Metrics.emplace(name, ReadMetrics(name)).first;
  str_LastMetricsName = name;
  ptr_LastMetrics = &cached->second;
  return cached->second;
}

void vaROR::ForgetMetrics() {
  tab_Metrics.clear();
  ptr_LastMetrics = nullptr;
}

WidthTable vaROR::ReadMetrics(const std::string& name) const {
  const std::string path = (std::filesystem::path(str_PathConfig) / (name + ".afm")).string();
  // Checked before opening: a folder of that name opens too, a FIFO waits for a writer.
  std::ifstream file;
  if (IsRegularFile(path)) file.open(path, std::ios::binary);
  if (!file.is_open()) {
    // Name the folder the caller asked for when it held no metric file at all.
    const std::string where = str_EmptyAfmFolder.empty()
                                  ? path
                                  : "le dossier « " + str_EmptyAfmFolder +
                                        " » est absent ou ne contient aucun fichier .afm";
    throw PdfError(PdfErrorCode::MetricsMissing, "Le fichier de métriques de la police « " + name +
                                                     " » est introuvable : " + where + ".");
  }
  // Read whole, in large pieces: the file is small and parsed once.
  std::string text;
  std::array<char, 16384> piece;
  while (file.read(piece.data(), piece.size()) || file.gcount() > 0) {
    text.append(piece.data(), static_cast<std::size_t>(file.gcount()));
  }
  return ParseAfmWidths(text);
}

double vaROR::Measure(const std::string& bytes, const std::string& name, double size) {
  return MeasureWidth(Metrics(name), bytes, size);
}

double vaROR::MeasureCurrent(const std::string& bytes) {
  return MeasureCurrent(bytes, FontSizeInUse());
}

double vaROR::MeasureCurrent(const std::string& bytes, double size) {
  return Measure(bytes, FontInUse().name, size);
}

vaROR::FontChoice vaROR::FontInUse() {
  auto found = std::find(tab_FontNames.begin(), tab_FontNames.end(), str_FontName);
  if (found != tab_FontNames.end()) {
    return {static_cast<int>(found - tab_FontNames.begin()) + 1, str_FontName};
  }
  if (tab_FontNames.empty()) return {1, str_FontName};
  // Every "/F" must name a written font: an unknown font falls back to font 1.
  if (!str_FontName.empty() && str_ReportedFont != str_FontName) {
    str_ReportedFont = str_FontName;
    ShowCritical("Font introuvable : " + str_FontName + "." + "\r\n" + "La font utilisée sera " +
                     tab_FontNames.front() + ".",
                 "Nom de Font");
  }
  return {1, tab_FontNames.front()};
}

int vaROR::FontSizeInUse() {
  if (in_FontSize == 0) in_FontSize = 10;
  return in_FontSize;
}

}  // namespace pdf

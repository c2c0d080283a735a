#include "pdf/afm.h"

#include <charconv>
#include <optional>
#include <string>

namespace pdf {
namespace {

// Second blank-separated token of a ";"-field ("C 32" -> "32", "WX 278" -> "278").
std::string_view SecondToken(std::string_view field) {
  auto skip_blanks = [&field](std::size_t from) {
    return std::min(field.find_first_not_of(" \t", from), field.size());
  };
  std::size_t first = skip_blanks(0);
  std::size_t gap = std::min(field.find_first_of(" \t", first), field.size());
  std::size_t start = skip_blanks(gap);
  std::size_t end = std::min(field.find_first_of(" \t", start), field.size());
  return field.substr(start, end - start);
}

std::optional<long> ParseInteger(std::string_view token) {
  double value = 0;
  auto result = std::from_chars(token.data(), token.data() + token.size(), value);
  if (result.ec != std::errc{}) return std::nullopt;
  return static_cast<long>(value);  // widths are truncated
}

struct MetricLine {
  long code;
  long width;
};

std::optional<MetricLine> ParseMetricLine(std::string_view line) {
  std::size_t first_end = line.find(';');
  if (first_end == std::string_view::npos) return std::nullopt;
  std::string_view second = line.substr(first_end + 1);
  second = second.substr(0, second.find(';'));
  auto code = ParseInteger(SecondToken(line.substr(0, first_end)));
  auto width = ParseInteger(SecondToken(second));
  if (!code || !width) return std::nullopt;
  return MetricLine{*code, *width};
}

bool EndsMetrics(std::string_view line) {
  return line.find("EndCharMetrics") != std::string_view::npos ||
         line.find("-1 ;") != std::string_view::npos;
}

}  // namespace

WidthTable ParseAfmWidths(std::istream& in) {
  WidthTable widths{};
  std::string line;
  bool in_metrics = false;
  std::optional<long> first_code;
  long last_code = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!in_metrics) {
      in_metrics = line.find("StartCharMetrics") != std::string::npos;
      continue;
    }
    if (EndsMetrics(line)) break;
    auto metric = ParseMetricLine(line);
    if (!metric) continue;
    if (!first_code) first_code = metric->code;
    last_code = metric->code;
    if (metric->code >= 1 && metric->code <= 255) {
      widths[static_cast<std::size_t>(metric->code)] = static_cast<std::int16_t>(metric->width);
    }
  }
  for (long code = 1; code <= 255; ++code) {
    if (!first_code || code < *first_code || code > last_code) widths[static_cast<std::size_t>(code)] = 0;
  }
  return widths;
}

double MeasureWidth(const WidthTable& widths, std::string_view bytes, double size) {
  long sum = 0;
  for (char c : bytes) sum += widths[static_cast<unsigned char>(c)];
  return size * static_cast<double>(sum) / 1000.0;
}

}  // namespace pdf

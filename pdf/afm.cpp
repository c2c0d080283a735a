// SPDX-License-Identifier: EUPL-1.2
#include "pdf/afm.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/number_text.h"

namespace pdf {
namespace {

constexpr double kLargestMetric = 2147483648.0;  // 2^31

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Second blank-separated token of a ";"-field ("C 32" -> "32", "WX 278" -> "278").
std::string_view SecondToken(std::string_view field) {
  std::size_t i = 0;
  const std::size_t n = field.size();
  while (i < n && IsBlank(field[i])) ++i;
  while (i < n && !IsBlank(field[i])) ++i;
  while (i < n && IsBlank(field[i])) ++i;
  const std::size_t start = i;
  while (i < n && !IsBlank(field[i])) ++i;
  return field.substr(start, i - start);
}

// The number a token starts with, its fraction dropped. Plain digits, the form of every
// standard metric file, are read without going through a double.
std::optional<long> ParseInteger(std::string_view token) {
  const bool negative = !token.empty() && token.front() == '-';
  const std::string_view digits = token.substr(negative ? 1 : 0);
  if (!digits.empty() && digits.size() <= 9 &&
      std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    long value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return negative ? -value : value;
  }
  double value = 0;
  auto result = platform::FromChars(token.data(), token.data() + token.size(), value);
  // Infinities, NaN and numbers too large for any metric make the line unreadable.
  if (result.ec != std::errc{} || !(std::fabs(value) < kLargestMetric)) return std::nullopt;
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

WidthTable ParseAfmWidths(std::string_view text) {
  WidthTable widths{};
  bool in_metrics = false;
  std::optional<long> first_code;
  long last_code = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!in_metrics) {
      in_metrics = line.find("StartCharMetrics") != std::string_view::npos;
      continue;
    }
    if (EndsMetrics(line)) break;
    auto metric = ParseMetricLine(line);
    if (!metric) continue;
    if (!first_code) first_code = metric->code;
    last_code = metric->code;
    if (metric->code >= 1 && metric->code <= 255) {
      // A width beyond the table's 16 bits is held at its bound.
      widths[static_cast<std::size_t>(metric->code)] = static_cast<std::int16_t>(
          std::clamp<long>(metric->width, std::numeric_limits<std::int16_t>::min(),
                           std::numeric_limits<std::int16_t>::max()));
    }
  }
  for (long code = 1; code <= 255; ++code) {
    if (!first_code || code < *first_code || code > last_code)
      widths[static_cast<std::size_t>(code)] = 0;
  }
  return widths;
}

double MeasureWidth(const WidthTable& widths, std::string_view bytes, double size) {
  long sum = 0;
  for (char c : bytes) sum += widths[static_cast<unsigned char>(c)];
  return size * static_cast<double>(sum) / 1000.0;
}

}  // namespace pdf

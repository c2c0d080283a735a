// SPDX-License-Identifier: EUPL-1.2
// Number and string formatting shared by every object writer. Nothing here depends on
// the process locale: numbers always use a point.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pdf {

// The largest magnitude written into a file: the largest integer readers must take. A value
// beyond it (a coordinate far off any page) is written as this bound; NaN and infinities as 0.
inline constexpr double kLargestNumber = 2147483647;
// The smallest magnitude a plain number is written with, far finer than any reader draws.
inline constexpr double kSmallestPlain = 1e-10;

// value rounded to `decimals` places, halves away from zero, with a point and exactly
// `decimals` digits after it ("###0." followed by that many zeros).
std::string FormatNumber(double value, int decimals);

// FormatNumber's text written at `dest`, which has room for kLongestFixedPoint characters
// (some written past the text), for values below 2^29 with at most 6 decimals; returns the
// text's length, or 0 for any other value.
inline constexpr std::size_t kLongestFixedPoint = 24;
std::size_t WriteFixedPoint(char* dest, double value, int decimals);

// The one way a line of the file is written, content or object: composed in a buffer of its
// own and appended to `out` by Done(). The pieces of a line are many and short, and copying
// them once into the page's buffer costs less than appending each. Pieces of any length are
// taken.
class Composer {
 public:
  explicit Composer(std::string& out) : out_(out) {}
  Composer(const Composer&) = delete;
  Composer& operator=(const Composer&) = delete;

  Composer& Text(std::string_view text) {
    if (size_ + text.size() > kRoom) return Overflow(text);
    std::memcpy(text_ + size_, text.data(), text.size());
    size_ += text.size();
    return *this;
  }
  // A literal's length is known here, so that its copy needs no call.
  template <std::size_t N>
  Composer& Text(const char (&literal)[N]) {
    if (size_ + N - 1 > kRoom) return Overflow(literal);
    std::memcpy(text_ + size_, literal, N - 1);
    size_ += N - 1;
    return *this;
  }
  template <typename Piece>
  Composer& Line(const Piece& text) {
    return Text(text).Text("\r\n");
  }
  // As FormatNumber writes it.
  Composer& Number(double value, int decimals = 2) {
    if (size_ + kLongestFixedPoint > kRoom) Done();
    const std::size_t written = WriteFixedPoint(text_ + size_, value, decimals);
    if (written == 0) return NumberFromDigits(value, decimals);
    size_ += written;
    return *this;
  }
  Composer& Numbers(std::initializer_list<double> values, int decimals = 2);  // blank-separated
  Composer& Integer(std::int64_t number);
  Composer& Ref(int object) { return Integer(object).Text(" 0 R"); }  // "n 0 R"
  Composer& Plain(double value);                                      // as FormatPlain writes it
  // "\" doubled, then "(" and ")" escaped: safe inside a PDF literal string.
  Composer& Escaped(std::string_view text);
  // A text string of the document (a title, an information entry): "(...)" in Windows-1252
  // when it holds the UTF-8 text, else "<FEFF...>" in UTF-16.
  Composer& TextString(std::string_view utf8);
  // Appends what was composed; the composer can go on afterwards.
  void Done();

 private:
  Composer& Overflow(std::string_view text);
  Composer& NumberFromDigits(double value, int decimals);  // values WriteFixedPoint leaves

  static constexpr std::size_t kRoom = 480;
  std::string& out_;
  std::size_t size_ = 0;
  char text_[kRoom];
};

// Decimal digits left-padded with "0" to 10 characters, as the xref table wants them.
std::string PadOffset(std::int64_t number);

// At most 15 significant digits, no trailing zeros, no exponent (595.28, 842); a magnitude
// below kSmallestPlain is 0, so that the text never exceeds 27 characters.
std::string FormatPlain(double value);

// A number as a message shows it: plain digits, or NaN and Inf for the values that have none.
// Never bounded: the message gives the value the caller passed.
std::string MessageNumber(double value);

// Half-to-even rounding to a 16-bit integer, clamped to its range.
int RoundToInt16(double value);

}  // namespace pdf

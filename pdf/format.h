// Number and string formatting shared by every object writer. Nothing here depends on
// the process locale: numbers always use a point.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace pdf {

// value rounded to `decimals` places, halves away from zero, with a point and exactly
// `decimals` digits after it ("###0." followed by that many zeros).
std::string FormatNumber(double value, int decimals);

// Several numbers through FormatNumber, separated by blanks ("11.00 821.89").
std::string FormatNumbers(std::initializer_list<double> values, int decimals = 2);

// The same, appended to `out`: the content streams are composed in place, without a string
// per number.
void AppendNumber(std::string& out, double value, int decimals = 2);
void AppendNumbers(std::string& out, std::initializer_list<double> values, int decimals = 2);
void AppendInteger(std::string& out, std::int64_t number);

// Decimal digits left-padded with "0" to 10 characters, as the xref table wants them.
std::string PadOffset(std::int64_t number);

// At most 15 significant digits, no trailing zeros, no exponent (595.28, 842).
std::string FormatPlain(double value);

// A number as a message shows it: plain digits, or NaN and Inf for the values that have none.
std::string MessageNumber(double value);
// "n 0 R", the reference to object n.
std::string Ref(int object);

// "\" doubled, then "(" and ")" escaped: safe inside a PDF literal string.
std::string EscapeString(std::string_view text);
void AppendEscaped(std::string& out, std::string_view text);

// Half-to-even rounding to a 16-bit integer, clamped to its range.
int RoundToInt16(double value);

// Appends the text and CR LF, the line end of every line of the file.
void AddLine(std::string& buffer, std::string_view text);

}  // namespace pdf

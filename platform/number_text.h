// SPDX-License-Identifier: EUPL-1.2
// Numbers to text and back without the locale: the floating-point forms of <charconv> and
// std::bit_cast, which some standard libraries still lack (the libc++ of Debian's
// Emscripten). The library's own are used where it has them; otherwise a portable fallback
// gives the same characters. The fallback is compiled everywhere, so that tests compare it
// with the library's where both exist.
#pragma once

#include <charconv>
#include <cstring>
#include <type_traits>
#if __has_include(<bit>)
#include <bit>
#endif

namespace platform {

// std::to_chars(first, last, value, std::chars_format::fixed): the shortest digits that read
// back as `value`, in fixed notation.
std::to_chars_result ToCharsFixed(char* first, char* last, double value);
// std::to_chars(first, last, value, std::chars_format::general, precision), as printf's
// "%.*g" writes it.
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision);
// std::from_chars(first, last, value) for a double, in its general form.
std::from_chars_result FromChars(const char* first, const char* last, double& value);

template <typename To, typename From>
To BitCast(const From& from) {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<From>);
#ifdef __cpp_lib_bit_cast
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

namespace portable {
// The fallbacks behind the three functions above, whatever the library offers.
std::to_chars_result ToCharsFixed(char* first, char* last, double value);
std::to_chars_result ToCharsGeneral(char* first, char* last, double value, int precision);
std::from_chars_result FromChars(const char* first, const char* last, double& value);
}  // namespace portable

}  // namespace platform

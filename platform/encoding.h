// SPDX-License-Identifier: EUPL-1.2
// Text enters the writer as UTF-8 and lives inside it as Windows-1252 bytes, the code page
// named by the font objects (WinAnsiEncoding).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Each character becomes its Windows-1252 byte; characters outside the code page and
// malformed UTF-8 sequences (overlong forms, surrogates, cut sequences) become "?".
std::string ToWindows1252(std::string_view utf8);
// The same, appended to `out`, so that a buffer kept by the caller is reused.
void AppendWindows1252(std::string& out, std::string_view utf8);
// The same in one pass, when no well-formed character of the text is outside Windows-1252
// (!OutsideWindows1252); otherwise false, and `out` as it was.
bool AppendHeldByWindows1252(std::string& out, std::string_view utf8);

// Whether a well-formed character of the text has no Windows-1252 byte: such a text needs
// the writer's Unicode fonts. Malformed sequences do not count.
bool OutsideWindows1252(std::string_view utf8);
// Those characters, in the order of the text.
std::u32string CharactersOutsideWindows1252(std::string_view utf8);
// The text with each malformed sequence replaced by U+FFFD.
std::string WellFormedUtf8(std::string_view bytes);

// The text in UTF-16BE as hexadecimal digits, as PDF text strings and CMaps hold it: "00E9"
// for "é", a surrogate pair above U+FFFF.
std::string Utf16BeHex(std::string_view utf8);
// The value's last `digits` hexadecimal digits, upper case: HexDigits(0x2A, 4) is "002A".
std::string HexDigits(std::uint32_t value, int digits);

// The character's UTF-8 bytes appended to `bytes`.
void AppendUtf8(std::string& bytes, char32_t code_point);

// Whether the bytes are well-formed UTF-8 throughout.
bool IsUtf8(std::string_view bytes);
// Windows-1252 bytes as UTF-8; the five bytes the code page leaves unused become "?".
std::string FromWindows1252(std::string_view bytes);

// A link target in 7 bits: its UTF-8 bytes, those outside printable ASCII and the blank
// percent-encoded ("é" becomes %C3%A9); a malformed sequence stands as U+FFFD (%EF%BF%BD).
std::string ToUri(std::string_view utf8);

}  // namespace platform

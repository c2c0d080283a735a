// SPDX-License-Identifier: EUPL-1.2
#include "platform/encoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0x9F; 0 marks the five bytes the code page leaves unused.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The well-formed UTF-8 sequences: for each range of lead bytes, the count of bytes that
// follow and the range of the first of them. The narrower ranges shut out overlong forms,
// surrogates and code points above U+10FFFF.
struct LeadRange {
  unsigned char first, last;
  int following;
  unsigned char low, high;
};
constexpr std::array<LeadRange, 8> kLeads = {{{0xC2, 0xDF, 1, 0x80, 0xBF},
                                              {0xE0, 0xE0, 2, 0xA0, 0xBF},
                                              {0xE1, 0xEC, 2, 0x80, 0xBF},
                                              {0xED, 0xED, 2, 0x80, 0x9F},
                                              {0xEE, 0xEF, 2, 0x80, 0xBF},
                                              {0xF0, 0xF0, 3, 0x90, 0xBF},
                                              {0xF1, 0xF3, 3, 0x80, 0xBF},
                                              {0xF4, 0xF4, 3, 0x80, 0x8F}}};

char ToByte(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(static_cast<unsigned char>(code_point));
  }
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] != 0 && kHighControls[i] == code_point) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

// Decodes one UTF-8 sequence at text[pos], advancing pos. A malformed sequence gives
// U+FFFD and ends before the first byte that cannot continue it, which starts the next one.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const LeadRange* range = nullptr;
  for (const auto& candidate : kLeads) {
    if (lead >= candidate.first && lead <= candidate.last) range = &candidate;
  }
  if (range == nullptr) return kReplacement;
  char32_t code_point = lead & (0x3F >> range->following);
  unsigned char low = range->low, high = range->high;
  for (int i = 0; i < range->following; ++i) {
    if (pos >= text.size()) return kReplacement;
    auto next = static_cast<unsigned char>(text[pos]);
    if (next < low || next > high) return kReplacement;
    code_point = (code_point << 6) | (next & 0x3F);
    ++pos;
    low = 0x80;
    high = 0xBF;
  }
  return code_point;
}

}  // namespace

void AppendUtf8(std::string& bytes, char32_t code_point) {
  auto byte = [&bytes](char32_t value) {
    bytes += static_cast<char>(static_cast<unsigned char>(value));
  };
  if (code_point < 0x80) return byte(code_point);
  if (code_point < 0x800) {
    byte(0xC0 | (code_point >> 6));
  } else if (code_point < 0x10000) {
    byte(0xE0 | (code_point >> 12));
    byte(0x80 | ((code_point >> 6) & 0x3F));
  } else {
    byte(0xF0 | (code_point >> 18));
    byte(0x80 | ((code_point >> 12) & 0x3F));
    byte(0x80 | ((code_point >> 6) & 0x3F));
  }
  byte(0x80 | (code_point & 0x3F));
}

namespace {

// Where the first byte outside ASCII is, eight bytes at a time: most texts are all ASCII.
std::size_t AsciiPrefix(std::string_view text) {
  std::size_t pos = 0;
  for (std::uint64_t word = 0; pos + sizeof word <= text.size(); pos += sizeof word) {
    std::memcpy(&word, text.data() + pos, sizeof word);
    if ((word & 0x8080808080808080u) != 0) break;
  }
  while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) ++pos;
  return pos;
}

// Appends the text's bytes, malformed sequences as "?". With `only_held`, appends nothing and
// returns false at the first well-formed character the code page lacks.
bool AppendBytes(std::string& out, std::string_view utf8, bool only_held) {
  const std::size_t base = out.size();
  const std::size_t start = AsciiPrefix(utf8);
  out.append(utf8.data(), start);
  for (std::size_t pos = start; pos < utf8.size();) {
    // Runs of ASCII, most of any text, are the same bytes in both: copied whole.
    std::size_t ascii = pos;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    out.append(utf8.data() + pos, ascii - pos);
    pos = ascii;
    if (pos == utf8.size()) break;
    const char32_t code_point = DecodeUtf8(utf8, pos);
    const char byte = ToByte(code_point);
    if (only_held && byte == '?' && code_point != kReplacement) {
      out.resize(base);
      return false;
    }
    out += byte;
  }
  return true;
}

}  // namespace

void AppendWindows1252(std::string& out, std::string_view utf8) { AppendBytes(out, utf8, false); }

bool AppendHeldByWindows1252(std::string& out, std::string_view utf8) {
  return AppendBytes(out, utf8, true);
}

std::string ToWindows1252(std::string_view utf8) {
  std::string bytes;
  bytes.reserve(utf8.size());
  AppendWindows1252(bytes, utf8);
  return bytes;
}

namespace {

// Calls `found` with each well-formed character that has no Windows-1252 byte, until it
// returns false.
template <typename Found>
void ScanOutsideWindows1252(std::string_view utf8, Found found) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const char32_t code_point = DecodeUtf8(utf8, pos);
    if (code_point != kReplacement && ToByte(code_point) == '?' && !found(code_point)) return;
  }
}

}  // namespace

bool OutsideWindows1252(std::string_view utf8) {
  bool outside = false;
  ScanOutsideWindows1252(utf8, [&outside](char32_t) { return !(outside = true); });
  return outside;
}

std::u32string CharactersOutsideWindows1252(std::string_view utf8) {
  std::u32string characters;
  ScanOutsideWindows1252(utf8, [&characters](char32_t c) {
    characters += c;
    return true;
  });
  return characters;
}

std::string WellFormedUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) AppendUtf8(utf8, DecodeUtf8(bytes, pos));
  return utf8;
}

std::string HexDigits(std::uint32_t value, int digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string hex(static_cast<std::size_t>(digits), '0');
  for (auto i = hex.rbegin(); i != hex.rend(); ++i, value >>= 4) *i = kHex[value & 0xF];
  return hex;
}

std::string Utf16BeHex(std::string_view utf8) {
  std::string hex;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const char32_t c = DecodeUtf8(utf8, pos);
    if (c < 0x10000) {
      hex += HexDigits(c, 4);
    } else {
      hex += HexDigits(0xD800 + ((c - 0x10000) >> 10), 4);
      hex += HexDigits(0xDC00 + ((c - 0x10000) & 0x3FF), 4);
    }
  }
  return hex;
}

bool IsUtf8(std::string_view bytes) {
  constexpr std::string_view kEncodedReplacement = "\xEF\xBF\xBD";
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t start = pos;
    if (DecodeUtf8(bytes, pos) == kReplacement &&
        bytes.substr(start, pos - start) != kEncodedReplacement) {
      return false;
    }
  }
  return true;
}

std::string FromWindows1252(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t code_point = byte;
    if (byte >= 0x80 && byte < 0xA0) {
      code_point = kHighControls[byte - 0x80];
      if (code_point == 0) code_point = U'?';
    }
    AppendUtf8(utf8, code_point);
  }
  return utf8;
}

std::string ToUri(std::string_view utf8) {
  std::string sound;
  for (std::size_t pos = 0; pos < utf8.size();) AppendUtf8(sound, DecodeUtf8(utf8, pos));
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri;
  for (char c : sound) {
    auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F) {
      uri += c;
    } else {
      uri += {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
    }
  }
  return uri;
}

}  // namespace platform

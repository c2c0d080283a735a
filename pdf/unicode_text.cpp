// SPDX-License-Identifier: EUPL-1.2
#include "pdf/unicode_text.h"

#include <utf8proc.h>

#include <cstdlib>
#include <memory>

#include "platform/encoding.h"

namespace pdf {

std::string Nfc(std::string_view utf8) {
  const std::string sound = platform::WellFormedUtf8(utf8);
  std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> normal(
      utf8proc_NFC(reinterpret_cast<const utf8proc_uint8_t*>(sound.c_str())), &std::free);
  // The text was made well-formed, so only a failed allocation leaves it unnormalised.
  if (normal == nullptr) return sound;
  return reinterpret_cast<const char*>(normal.get());
}

std::vector<CodePoint> CodePoints(std::string_view utf8) {
  std::vector<CodePoint> characters;
  const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
  const auto size = static_cast<utf8proc_ssize_t>(utf8.size());
  for (utf8proc_ssize_t pos = 0; pos < size;) {
    utf8proc_int32_t value = 0;
    utf8proc_ssize_t length = utf8proc_iterate(bytes + pos, size - pos, &value);
    if (length <= 0) {  // cannot happen on a well-formed text; skip the byte
      value = 0xFFFD;
      length = 1;
    }
    characters.push_back({static_cast<char32_t>(value), static_cast<std::size_t>(pos)});
    pos += length;
  }
  return characters;
}

std::vector<bool> ClusterStarts(const std::vector<CodePoint>& characters) {
  std::vector<bool> starts(characters.size(), true);
  utf8proc_int32_t state = 0;
  for (std::size_t i = 1; i < characters.size(); ++i) {
    starts[i] = utf8proc_grapheme_break_stateful(
        static_cast<utf8proc_int32_t>(characters[i - 1].value),
        static_cast<utf8proc_int32_t>(characters[i].value), &state);
  }
  return starts;
}

bool IsIgnorable(char32_t character) {
  const utf8proc_property_t* property =
      utf8proc_get_property(static_cast<utf8proc_int32_t>(character));
  return property->ignorable || property->category == UTF8PROC_CATEGORY_CF;
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// A build without the font libraries: every text is written in Windows-1252.
#include "pdf/unicode_fonts.h"

#include "platform/encoding.h"

namespace pdf {

struct UnicodeFonts::State {
  std::u32string missing;
};

UnicodeFonts::UnicodeFonts() : state_(std::make_unique<State>()) {}
UnicodeFonts::~UnicodeFonts() = default;
bool UnicodeFonts::Usable(const FontRequest&) const { return false; }
bool UnicodeFonts::IsFontFile(const std::string&) { return false; }
double UnicodeFonts::Width(std::string_view, const FontRequest&) { return 0; }
std::vector<BreakUnit> UnicodeFonts::Units(std::string_view, const FontRequest&) { return {}; }
DrawnText UnicodeFonts::Draw(std::string_view, const FontRequest&) { return {}; }

void UnicodeFonts::NoteUnprintable(std::string_view utf8) {
  for (char32_t c : platform::CharactersOutsideWindows1252(utf8)) {
    if (state_->missing.find(c) == std::u32string::npos) state_->missing += c;
  }
}

const std::u32string& UnicodeFonts::Missing() const { return state_->missing; }
void UnicodeFonts::Reset() { state_->missing.clear(); }
int UnicodeFonts::Count() const { return 0; }
std::vector<std::string> UnicodeFonts::Objects(int, int) const { return {}; }

}  // namespace pdf

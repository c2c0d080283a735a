// SPDX-License-Identifier: EUPL-1.2
// The engine is found at the first text that needs it: a document in Windows-1252 alone never
// loads the font libraries.
#include "pdf/unicode_fonts.h"

#include "pdf/unicode_engine.h"

namespace pdf {
namespace {

// Faces and font files are the process's; one engine answers for every document.
const UnicodeEngine& SharedEngine() {
  static const std::unique_ptr<UnicodeEngine> engine = LoadUnicodeEngine();
  return *engine;
}

}  // namespace

UnicodeFonts::UnicodeFonts() = default;
UnicodeFonts::~UnicodeFonts() = default;

UnicodeEngine& UnicodeFonts::Engine() const {
  if (!engine_) engine_ = LoadUnicodeEngine();
  return *engine_;
}

std::string UnicodeFonts::Nfc(std::string_view utf8) { return SharedEngine().Nfc(utf8); }
bool UnicodeFonts::HasFonts() const { return Engine().HasFonts(); }
bool UnicodeFonts::Usable(const FontRequest& request) const { return Engine().Usable(request); }
bool UnicodeFonts::IsFontFile(const std::string& file) { return SharedEngine().IsFontFile(file); }

double UnicodeFonts::Width(std::string_view text, const FontRequest& request) {
  return Engine().Width(text, request);
}

std::vector<BreakUnit> UnicodeFonts::Units(std::string_view text, const FontRequest& request) {
  return Engine().Units(text, request);
}

DrawnText UnicodeFonts::Draw(std::string_view text, const FontRequest& request) {
  return Engine().Draw(text, request);
}

void UnicodeFonts::NoteUnprintable(std::string_view utf8) { Engine().NoteUnprintable(utf8); }

const std::u32string& UnicodeFonts::Missing() const {
  static const std::u32string none;
  return engine_ ? engine_->Missing() : none;
}

void UnicodeFonts::Reset() {
  if (engine_) engine_->Reset();
}

int UnicodeFonts::Count() const { return engine_ ? engine_->Count() : 0; }

std::vector<std::string> UnicodeFonts::Objects(int font, int first) const {
  return Engine().Objects(font, first);
}

}  // namespace pdf

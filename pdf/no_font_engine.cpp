// SPDX-License-Identifier: EUPL-1.2
// Without the font libraries every text is written in Windows-1252, "?" for the rest, and the
// characters are noted so that the user is told.
#include "pdf/unicode_engine.h"
#include "platform/encoding.h"

namespace pdf {
namespace {

class NoFontEngine final : public UnicodeEngine {
 public:
  std::string Nfc(std::string_view utf8) const override { return std::string(utf8); }
  bool HasFonts() const override { return false; }
  bool Usable(const FontRequest&) const override { return false; }
  bool IsFontFile(const std::string&) const override { return false; }
  double Width(std::string_view, const FontRequest&) override { return 0; }
  std::vector<BreakUnit> Units(std::string_view, const FontRequest&) override { return {}; }
  DrawnText Draw(std::string_view, const FontRequest&) override { return {}; }

  void NoteUnprintable(std::string_view utf8) override {
    for (char32_t c : platform::CharactersOutsideWindows1252(utf8)) {
      if (missing_.find(c) == std::u32string::npos) missing_ += c;
    }
  }

  const std::u32string& Missing() const override { return missing_; }
  void Reset() override { missing_.clear(); }
  int Count() const override { return 0; }
  std::vector<std::string> Objects(int, int) const override { return {}; }

 private:
  std::u32string missing_;
};

}  // namespace

std::unique_ptr<UnicodeEngine> NewNoFontEngine() { return std::make_unique<NoFontEngine>(); }

}  // namespace pdf

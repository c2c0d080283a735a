// SPDX-License-Identifier: EUPL-1.2
// What draws texts outside Windows-1252: the font libraries' engine, which the desktop keeps in
// a module loaded at the first such text so that no other process pays for loading them, or
// the engine without fonts, which writes "?" and notes the characters.
#pragma once

#include <memory>

#include "pdf/unicode_fonts.h"

namespace pdf {

class UnicodeEngine {
 public:
  virtual ~UnicodeEngine() = default;

  // NFC, malformed sequences as U+FFFD; the engine without fonts returns the text as it is.
  virtual std::string Nfc(std::string_view utf8) const = 0;
  // Whether it draws with fonts: the engine without them stands in when the module is lost.
  virtual bool HasFonts() const = 0;
  virtual bool Usable(const FontRequest& request) const = 0;
  virtual bool IsFontFile(const std::string& file) const = 0;
  virtual double Width(std::string_view text, const FontRequest& request) = 0;
  virtual std::vector<BreakUnit> Units(std::string_view text, const FontRequest& request) = 0;
  virtual DrawnText Draw(std::string_view text, const FontRequest& request) = 0;
  virtual void NoteUnprintable(std::string_view utf8) = 0;
  virtual const std::u32string& Missing() const = 0;
  virtual void Reset() = 0;
  virtual int Count() const = 0;
  virtual std::vector<std::string> Objects(int font, int first) const = 0;
};

// The engine of the font libraries, where they are built in; the module's one entry point.
extern "C" UnicodeEngine* aggir_new_unicode_engine();
inline constexpr const char* kUnicodeEngineEntry = "aggir_new_unicode_engine";
inline constexpr const char* kUnicodeModuleName = "aggir_unicode_fonts.so";

std::unique_ptr<UnicodeEngine> NewNoFontEngine();
// The font libraries' engine if this build has it and it loads, else the one without fonts.
std::unique_ptr<UnicodeEngine> LoadUnicodeEngine();

}  // namespace pdf

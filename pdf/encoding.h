// Text enters the writer as UTF-8 and lives inside it as Windows-1252 bytes, the code page
// named by the font objects (WinAnsiEncoding).
#pragma once

#include <string>
#include <string_view>

namespace pdf {

// Each character becomes its Windows-1252 byte; characters outside the code page and
// malformed UTF-8 sequences become "?".
std::string ToWindows1252(std::string_view utf8);

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// libxlsxwriter 1.1.4 asks lxw_has_control_characters before it escapes a text, and that
// answers "yes" for every text: each cell's text is then copied byte by byte into a buffer
// seven times its size, a tenth of the workbook's cost for each line. The program's own
// definition comes first in the process's symbol lookup and answers for the text's bytes, so
// the others are copied as they are, which is what the escape makes of them.
#include "batch/control_characters.h"

#include <xlsxwriter.h>

namespace batch {

bool ACaracteresDeControle(const char* texte) {
  if (texte == nullptr) return false;
  for (; *texte != '\0'; ++texte) {
    const auto octet = static_cast<unsigned char>(*texte);
    if (octet < 0x20 && octet != '\t' && octet != '\n') return true;
  }
  return false;
}

}  // namespace batch

extern "C" uint8_t lxw_has_control_characters(const char* string) {
  return batch::ACaracteresDeControle(string) ? LXW_TRUE : LXW_FALSE;
}

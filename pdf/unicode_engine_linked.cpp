// SPDX-License-Identifier: EUPL-1.2
// Builds that link the font libraries into the program (the page, the fuzz targets).
#include "pdf/unicode_engine.h"

namespace pdf {

std::unique_ptr<UnicodeEngine> LoadUnicodeEngine() {
  return std::unique_ptr<UnicodeEngine>(aggir_new_unicode_engine());
}

}  // namespace pdf

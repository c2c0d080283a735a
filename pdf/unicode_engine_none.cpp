// SPDX-License-Identifier: EUPL-1.2
// A build without the font libraries.
#include "pdf/unicode_engine.h"

namespace pdf {

std::unique_ptr<UnicodeEngine> LoadUnicodeEngine() { return NewNoFontEngine(); }

}  // namespace pdf

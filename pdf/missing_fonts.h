// SPDX-License-Identifier: EUPL-1.2
// What the user is told of characters printed without their font.
#pragma once

#include <string>

namespace pdf {

// The characters, and the Debian packages whose fonts have them; `unprintable`: this build
// draws no Unicode font, so they were printed as "?".
std::string MissingFontsMessage(const std::u32string& missing, bool unprintable);

}  // namespace pdf

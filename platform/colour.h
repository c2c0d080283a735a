// SPDX-License-Identifier: EUPL-1.2
// Colours as the host gives them: one number with red in the low byte (0xBBGGRR), 255 red,
// 16777215 white. The window's controls and the writer's colour setters both take them.
#pragma once

#include <cstdint>

namespace platform {

using Colour = std::uint32_t;
constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>(r) | static_cast<Colour>(g) << 8 | static_cast<Colour>(b) << 16;
}
constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);

}  // namespace platform

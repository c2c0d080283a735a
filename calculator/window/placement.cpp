// SPDX-License-Identifier: EUPL-1.2
#include "calculator/window/placement.h"

#include <algorithm>

namespace window {
namespace {

// One axis: the length that fits, and its start centred in the free span.
void Fit(int free_start, int free_length, int length, int& start, int& fitted) {
  fitted = std::clamp(length, 0, std::max(free_length, 0));
  start = free_start + (std::max(free_length, 0) - fitted) / 2;
}

}  // namespace

Area PlaceWindow(const Area& free_area, int width, int height, int scroll_bar) {
  const bool scrolls_down = height > free_area.height;
  if (scrolls_down) width += scroll_bar;
  if (width > free_area.width && !scrolls_down) {
    height += scroll_bar;
    if (height > free_area.height) width += scroll_bar;
  }
  Area placed;
  Fit(free_area.left, free_area.width, width, placed.left, placed.width);
  Fit(free_area.top, free_area.height, height, placed.top, placed.height);
  return placed;
}

}  // namespace window

// SPDX-License-Identifier: EUPL-1.2
// Where the window goes on the screen, in any unit (twips in the model, pixels in a view).
#pragma once

namespace window {

struct Area {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Area&) const = default;
};

// The window's outer rectangle in the screen's free area (the screen less its panels):
// centred, never beyond the area's edges. A window larger than the area is cut to it, its
// top-left corner (title and command bar) inside: the front end scrolls the rest into view,
// and the window widens (or heightens) by the scroll bar it then needs, `scroll_bar` thick.
Area PlaceWindow(const Area& free_area, int width, int height, int scroll_bar = 0);

}  // namespace window

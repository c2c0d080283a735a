// SPDX-License-Identifier: EUPL-1.2
// A picture box's drawing as SVG elements, in its pixels: the browser draws it as vectors,
// sharp at any zoom.
#pragma once

#include <string>

#include "calculator/window/drawing.h"

std::string SvgOf(const window::Drawing& drawing);
// Text as it stands inside HTML or SVG markup: "&", "<" and ">" escaped.
std::string EscapedMarkup(const std::string& text);
// "rgb(r,g,b)" of a colour 0xBBGGRR.
std::string CssColour(window::Colour colour);

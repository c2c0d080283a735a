// SPDX-License-Identifier: EUPL-1.2
// What the user is told of characters printed without their font.
#pragma once

#include <string>

namespace pdf {

// Where this build finds the faces of texts outside Windows-1252.
enum class FaceSource {
  kNone,        // nowhere: such texts are printed with "?"
  kInstalled,   // the machine's fonts (the desktop)
  kPageFolder,  // the page's fonts/ folder (the browser)
  kLostModule,  // the desktop's, but the module beside the program that draws them is lost
};

// The characters printed without their font, and what brings it: the Debian packages whose
// fonts have them, or the page's fonts/ folder.
std::string MissingFontsMessage(const std::u32string& missing, FaceSource source);

}  // namespace pdf

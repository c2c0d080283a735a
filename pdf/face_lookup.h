// SPDX-License-Identifier: EUPL-1.2
// Where the writer's Unicode faces come from: fontconfig on the desktop, the page's own faces
// in the browser. Called under the face library's lock.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pdf {

// A face the writer asks for: a family in a weight and a slant.
struct FaceStyle {
  const char* family;
  bool bold, italic;
};

struct FaceFile {
  std::string file;
  unsigned index = 0;  // the face's place in a collection (.ttc)
};

// Made ready once per process.
void StartFaceLookup();
// The face closest to the style.
std::optional<FaceFile> StyleFaceFile(const FaceStyle& style);
// Outline faces that may have the character, best first, in the style's manner; the caller
// checks each one's coverage itself.
std::vector<FaceFile> CoveringFaceFiles(char32_t character, const FaceStyle& style);

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// The files an installed program has beside it (the help, the metric folder), compiled into
// the page, whose program folder has no disk behind it. Generated at build time.
#pragma once

#include <cstddef>
#include <span>

namespace embedded {

struct File {
  const char* path;  // relative to the installation: "bin/...", "system/Fonts/..."
  const char* bytes;
  std::size_t size;
};

std::span<const File> Files();

}  // namespace embedded

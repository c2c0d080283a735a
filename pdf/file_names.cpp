// SPDX-License-Identifier: EUPL-1.2
#include "pdf/file_names.h"

#include <algorithm>

namespace pdf {

std::filesystem::path PathFromName(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return std::filesystem::path(name);
}

bool IsRegularFile(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace pdf

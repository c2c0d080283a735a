#include "pdf/file_names.h"

#include <algorithm>

namespace pdf {

std::filesystem::path PathFromName(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return std::filesystem::path(name);
}

}  // namespace pdf

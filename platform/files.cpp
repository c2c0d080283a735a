// SPDX-License-Identifier: EUPL-1.2
#include "platform/files.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#if __has_include(<fcntl.h>)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    return std::tolower(x) == std::tolower(y);
  });
}

}  // namespace

std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      const std::string& name) {
  std::error_code error;
  if (std::filesystem::exists(folder / name, error)) return folder / name;
  std::vector<std::filesystem::path> matches;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (SameIgnoringCase(entry.path().filename().string(), name)) matches.push_back(entry.path());
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

std::error_code FileCreationErrorIn(const std::filesystem::path& folder) {
  const auto probe = folder / (".aggir-" + std::to_string(std::random_device{}()) + ".tmp");
  errno = 0;
  std::FILE* file = std::fopen(probe.string().c_str(), "wbx");
  if (file == nullptr) return {errno != 0 ? errno : EIO, std::generic_category()};
  std::fclose(file);
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return {};
}

void StartWriting(std::FILE* file) {
#if defined(SYNC_FILE_RANGE_WRITE) && !defined(__EMSCRIPTEN__)  // declared, but not there
  ::sync_file_range(fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
  static_cast<void>(file);
#endif
}

std::error_code ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
#ifdef O_PATH
  // A handle on the name only: a FIFO or a device is not opened by it.
  const int replaced = ::open(to.c_str(), O_PATH | O_CLOEXEC);
  std::filesystem::rename(from, to, error);
  if (replaced >= 0) ::close(replaced);
#else
  std::filesystem::rename(from, to, error);
#endif
  return error;
}

}  // namespace platform

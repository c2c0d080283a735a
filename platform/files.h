// SPDX-License-Identifier: EUPL-1.2
// File-system help the host services and the writer share.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace platform {

// The entry of `folder` whose name equals `name` without regard to ASCII case: the exact
// name first, then the first match in name order. Nothing when there is none.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      const std::string& name);

// Why a new file cannot be created in the folder right now (tried, then removed); no error
// when it can.
std::error_code FileCreationErrorIn(const std::filesystem::path& folder);
inline bool CanCreateFilesIn(const std::filesystem::path& folder) {
  return !FileCreationErrorIn(folder);
}

// Starts writing the file's bytes to the disk, without waiting for them: a rename over
// another file that follows then finds them on their way, and holds the folder's lock for
// less time.
void StartWriting(std::FILE* file);

// Moves `from` over `to`, as std::filesystem::rename does. The file replaced is let go only
// after the move, so that its blocks are freed outside the folder's lock: threads writing into
// one folder then do not wait for one another's disk.
std::error_code ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace platform

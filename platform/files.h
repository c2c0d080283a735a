// File-system help the host services share.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// The entry of `folder` whose name equals `name` without regard to ASCII case: the exact
// name first, then the first match in name order. Nothing when there is none.
std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                      const std::string& name);

// Whether a new file can be created in the folder right now (tried, then removed).
bool CanCreateFilesIn(const std::filesystem::path& folder);

}  // namespace platform

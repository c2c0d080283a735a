// SPDX-License-Identifier: EUPL-1.2
// File names as callers give them: "\" separates folders as well as the platform separator.
#pragma once

#include <filesystem>
#include <string>

namespace pdf {

std::filesystem::path PathFromName(std::string name);

// A regular file, or a link to one, told without opening it: opening a FIFO for reading waits
// for a writer, and a device or a folder holds no data to read.
bool IsRegularFile(const std::filesystem::path& file);

}  // namespace pdf

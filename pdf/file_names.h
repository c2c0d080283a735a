// File names as callers give them: "\" separates folders as well as the platform separator.
#pragma once

#include <filesystem>
#include <string>

namespace pdf {

std::filesystem::path PathFromName(std::string name);

}  // namespace pdf

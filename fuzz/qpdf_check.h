// SPDX-License-Identifier: EUPL-1.2
// `qpdf --check` inside the fuzz target's process, through libqpdf: a child process per
// input cost more than the writer itself.
#pragma once

#include <filesystem>

namespace fuzzdocument {

// Whether qpdf reads the file without fault: its objects and cross-reference table, every
// stream decoded, every page's content parsed. The faults are told on standard error.
bool QpdfAccepts(const std::filesystem::path& file);

}  // namespace fuzzdocument

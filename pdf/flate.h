// SPDX-License-Identifier: EUPL-1.2
// Stream objects compressed with zlib (/FlateDecode).
#pragma once

#include <string>
#include <string_view>

namespace pdf {

// The lines of a stream object holding `data` compressed: the dictionary with its /Length,
// /Filter and `entries` (more keys and values, may be empty), then the stream.
std::string FlateStream(std::string_view entries, std::string_view data);

}  // namespace pdf

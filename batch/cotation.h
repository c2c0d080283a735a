// SPDX-License-Identifier: EUPL-1.2
// A grid row's cell: the adverbs whose condition is not met, letters S, T, C, H in any order
// and case, blanks ignored; "NFP" for NE FAIT PAS (all four); empty for none.
#pragma once

#include <bitset>
#include <optional>
#include <string_view>

namespace batch {

// S, T, C, H at 0..3; nothing when the cell is none of the above (a letter twice too).
std::optional<std::bitset<4>> LitCotation(std::string_view cellule);

}  // namespace batch

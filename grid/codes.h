// SPDX-License-Identifier: EUPL-1.2
// Pure coding rules: a row code from its ticks, a variable code from its rows.
#pragma once

#include <string>

namespace grid {

// Row code from the number of ticked adverbs 0..4: "A" none, "C" all four, "B" otherwise.
char CodeDeLigne(int cochees);

// Characters p..p + n - 1 (1-based) of a code string, as far as it goes: empty past its end.
std::string Caracteres(const std::string& text, int p, int n = 1);

// Code of variable v 1..17 from the 24 row codes (row k at position k - 1).
char CodeDeVariable(int v, const std::string& lignes);

}  // namespace grid

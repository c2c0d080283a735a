// SPDX-License-Identifier: EUPL-1.2
// The AGGIR scoring: rang from the ten discriminant codes, GIR from the rang.
#pragma once

#include <cstdint>
#include <string>

namespace grid {

// Rang 1..13 of a discriminant code string (position v = variable v; only upper-case
// "B" and "C" count, anything else or a missing position counts as A).
std::int16_t CalculRang(const std::string& codes);

// GIR 1..6 of a rang 1..13; 6 for any other rang.
std::int16_t GirDuRang(std::int16_t rang);

}  // namespace grid

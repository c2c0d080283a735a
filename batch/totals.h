// SPDX-License-Identifier: EUPL-1.2
// What a run adds up: entries, sheets, refusals, persons per GIR, and the GIR moyen pondéré
// with the points the regulation gives each GIR.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace batch {

constexpr int kGirs = 6;
// Points per GIR for the GMP (code de l'action sociale et des familles, annexe 3-6).
constexpr std::array<int, kGirs> kPoints = {1000, 840, 660, 420, 250, 70};

struct Totaux {
  std::size_t entrees = 0, fiches = 0, refusees = 0;
  std::array<std::size_t, kGirs> par_gir{};  // persons of GIR g at g - 1
};

// The GMP in hundredths: the persons' points added and divided by their number, rounded
// half up; nothing for no one.
std::optional<std::size_t> GmpEnCentiemes(const std::array<std::size_t, kGirs>& par_gir);

// The GMP with a decimal comma and no trailing zero ("437,5"); empty for no one.
std::string Gmp(const std::array<std::size_t, kGirs>& par_gir);

}  // namespace batch

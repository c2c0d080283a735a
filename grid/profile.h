// SPDX-License-Identifier: EUPL-1.2
// The autonomy profile: two radar charts, one axis per row of the grid, each row drawn at a
// radius that says how it is coded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/evaluation.h"

namespace grid {

constexpr int kLignesCorporelles = 17;  // chart 1: rows 1..17; chart 2: rows 18..24

// One row on its axis: the radius in percent of the full radius, and its coding in clear as
// the chart shows it under the mouse ("A", "C", or "B" and the adverbs ticked: "B 12").
struct Rayon {
  std::int16_t pourcent = 0;
  std::string codage;
};
using Profil = std::array<Rayon, kRows>;  // row k at k - 1

// Row code "A": 5 %; "B": 25 % per adverb ticked, its four characters `adverbes` "1" where
// ticked; "C": 100 %. Any other code leaves `rayon` as it was.
void PlaceLigne(const std::string& code, const std::string& adverbes, Rayon& rayon);
Profil ProfilDe(const Evaluation& evaluation);

// Chart c (1 or 2): its first row and its number of axes.
struct Graphique {
  int premiere;
  int axes;
};
Graphique GraphiqueNumero(int c);
// Axis j (0 at the top) carries the chart's first row, then its rows from the last one down,
// so that they follow one another clockwise.
int LigneDeAxe(const Graphique& g, int j);
// Counter-clockwise from the positive x axis; axis 0 points straight up.
double AngleDeAxe(const Graphique& g, int j);

// Pixels on the screen, y downwards.
struct Pixel {
  int x, y;
  bool operator==(const Pixel&) const = default;
};
// A point at some distance from the centre along an angle.
Pixel SurAxe(Pixel centre, double distance, double angle);

constexpr double kPixelsParPourcent = 108.0 / 100.0;  // the outer ring is 108 pixels out
// The corners of chart c's profile polygon around `centre`, axis by axis.
std::vector<Pixel> PolygoneDuProfil(const Profil& profil, int c, Pixel centre);

}  // namespace grid

// SPDX-License-Identifier: EUPL-1.2
#include "grid/profile.h"

#include <cmath>

namespace grid {

namespace {

constexpr std::int16_t kRayonA = 5, kRayonAdverbe = 25, kRayonC = 100;
// The values of the chart as first drawn, kept so that every chart stays where it was.
constexpr double kPi = 3.1416;
constexpr double kTour = 6.2832;

int PartieEntiere(double v) { return static_cast<int>(std::floor(v)); }

}  // namespace

void PlaceLigne(const std::string& code, const std::string& adverbes, Rayon& rayon) {
  if (code == "A" || code == "C") {
    rayon = {code == "A" ? kRayonA : kRayonC, code};
    return;
  }
  if (code != "B") return;
  rayon = {0, "B "};
  for (std::size_t j = 1; j <= adverbes.size(); ++j) {
    if (adverbes[j - 1] != '1') continue;
    rayon.pourcent = static_cast<std::int16_t>(rayon.pourcent + kRayonAdverbe);
    rayon.codage += std::to_string(j);
  }
}

Profil ProfilDe(const Evaluation& evaluation) {
  const Cotation cotation = CotationDe(evaluation);
  Profil profil;
  for (int k = 1; k <= kRows; ++k) {
    std::string adverbes;
    for (int j = 1; j <= kAdverbs; ++j) adverbes += evaluation.Cochee(AdverbBox(k, j)) ? '1' : '0';
    PlaceLigne(cotation.lignes.substr(static_cast<std::size_t>(k - 1), 1), adverbes,
               profil[static_cast<std::size_t>(k - 1)]);
  }
  return profil;
}

Graphique GraphiqueNumero(int c) {
  if (c == 1) return {1, kLignesCorporelles};
  return {kLignesCorporelles + 1, kRows - kLignesCorporelles};
}

int LigneDeAxe(const Graphique& g, int j) { return j == 0 ? g.premiere : g.premiere + g.axes - j; }

double AngleDeAxe(const Graphique& g, int j) { return j * (kTour / g.axes) + kPi / 2; }

Pixel SurAxe(Pixel centre, double distance, double angle) {
  return {PartieEntiere(centre.x + distance * std::cos(angle)),
          PartieEntiere(centre.y - distance * std::sin(angle))};
}

std::vector<Pixel> PolygoneDuProfil(const Profil& profil, int c, Pixel centre) {
  const Graphique g = GraphiqueNumero(c);
  std::vector<Pixel> points;
  for (int j = 0; j < g.axes; ++j) {
    const double pourcent = profil[static_cast<std::size_t>(LigneDeAxe(g, j) - 1)].pourcent;
    points.push_back(SurAxe(centre, kPixelsParPourcent * pourcent, AngleDeAxe(g, j)));
  }
  return points;
}

}  // namespace grid

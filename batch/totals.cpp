// SPDX-License-Identifier: EUPL-1.2
#include "batch/totals.h"

namespace batch {

std::optional<std::size_t> GmpEnCentiemes(const std::array<std::size_t, kGirs>& par_gir) {
  std::size_t personnes = 0, points = 0;
  for (std::size_t g = 0; g < par_gir.size(); ++g) {
    personnes += par_gir[g];
    points += par_gir[g] * static_cast<std::size_t>(kPoints[g]);
  }
  if (personnes == 0) return std::nullopt;
  return (points * 200 + personnes) / (2 * personnes);
}

std::string Gmp(const std::array<std::size_t, kGirs>& par_gir) {
  const auto centiemes = GmpEnCentiemes(par_gir);
  if (!centiemes) return "";
  std::string texte = std::to_string(*centiemes / 100);
  const std::size_t reste = *centiemes % 100;
  if (reste == 0) return texte;
  texte += ',' + std::to_string(reste / 10);
  if (reste % 10 != 0) texte += std::to_string(reste % 10);
  return texte;
}

}  // namespace batch

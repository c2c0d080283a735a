// SPDX-License-Identifier: EUPL-1.2
#include "grid/codes.h"

#include "grid/grid.h"

namespace grid {

namespace {

// Cohérence, Orientation, Elimination: one C is enough for C.
char UnCSuffit(char a, char b) {
  if (a == 'C' || b == 'C') return 'C';
  if (a == 'B' || b == 'B') return 'B';
  return 'A';
}

// Toilette and Habillage: C only when every row is C, A only when every row is A.
char ToutOuRien(const std::string& codes) {
  if (codes.find_first_not_of('A') == std::string::npos) return 'A';
  if (codes.find_first_not_of('C') == std::string::npos) return 'C';
  return 'B';
}

// Alimentation: both at least B and one of them C for C.
char Alimentation(char se_servir, char manger) {
  if (se_servir == 'A' && manger == 'A') return 'A';
  if (se_servir == 'C' && manger == 'C') return 'C';
  if (se_servir != 'A' && manger != 'A' && (se_servir == 'C' || manger == 'C')) return 'C';
  return 'B';
}

}  // namespace

std::string Caracteres(const std::string& text, int p, int n) {
  const auto i = static_cast<std::size_t>(p - 1);
  return i < text.size() ? text.substr(i, static_cast<std::size_t>(n)) : std::string();
}

char CodeDeLigne(int cochees) {
  if (cochees <= 0) return 'A';
  return cochees >= 4 ? 'C' : 'B';
}

char CodeDeVariable(int v, const std::string& lignes) {
  const RowSpan rows = RowsOf(v);
  const std::string codes = lignes.substr(static_cast<std::size_t>(rows.first - 1),
                                          static_cast<std::size_t>(rows.last - rows.first + 1));
  switch (v) {
    case 1:  // Cohérence
    case 2:  // Orientation
    case 6:  // Elimination
      return UnCSuffit(codes[0], codes[1]);
    case 3:  // Toilette
    case 4:  // Habillage
      return ToutOuRien(codes);
    case 5: return Alimentation(codes[0], codes[1]);
    default:  // one row: its own code
      return codes[0];
  }
}

}  // namespace grid

// SPDX-License-Identifier: EUPL-1.2
// libxlsxwriter names every cell it writes ("r=\"K2\"") with two printf calls and a string
// reversal: a fifth of the workbook's cost for each line. The program's own definition of
// lxw_rowcol_to_cell comes first in the process's symbol lookup, and does the same directly.
#include "batch/cell_names.h"

#include <xlsxwriter.h>

#include <algorithm>

namespace batch {

void NomDeCellule(char* nom, std::uint32_t ligne, std::uint16_t colonne) {
  char inverse[LXW_MAX_CELL_NAME_LENGTH + 16];
  std::size_t taille = 0;
  for (std::uint64_t numero = std::uint64_t{ligne} + 1; numero > 0; numero /= 10)
    inverse[taille++] = static_cast<char>('0' + numero % 10);
  for (unsigned numero = unsigned{colonne} + 1; numero > 0; numero = (numero - 1) / 26)
    inverse[taille++] = static_cast<char>('A' + (numero - 1) % 26);
  // As snprintf into the reserved size would: cut, never overrun.
  const std::size_t gardes = std::min(taille, LXW_MAX_CELL_NAME_LENGTH - 1);
  std::reverse_copy(inverse + taille - gardes, inverse + taille, nom);
  nom[gardes] = '\0';
}

}  // namespace batch

extern "C" void lxw_rowcol_to_cell(char* cell_name, lxw_row_t row, lxw_col_t col) {
  batch::NomDeCellule(cell_name, row, col);
}

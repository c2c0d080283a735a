// SPDX-License-Identifier: EUPL-1.2
// The names of the workbook's cells, as libxlsxwriter writes them into each cell.
#pragma once

#include <cstdint>

namespace batch {

// "A1" for row 0 and column 0; at most 13 characters and the terminating zero, as libxlsxwriter
// reserves.
void NomDeCellule(char* nom, std::uint32_t ligne, std::uint16_t colonne);

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// Which texts libxlsxwriter must escape before writing them into a cell.
#pragma once

namespace batch {

// True when `texte` holds a byte that libxlsxwriter writes as "_xHHHH_": a control character
// other than the tab and the line feed.
bool ACaracteresDeControle(const char* texte);

}  // namespace batch

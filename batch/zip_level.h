// SPDX-License-Identifier: EUPL-1.2
// The level at which synthese.xlsx's parts are deflated.
#pragma once

namespace batch {

// Finds minizip's own entry opener, to which the workbook's entries go with the fastest
// level. Called before the first workbook; without it, the workbook's zip fails as a write does.
void PrepareCompressionRapide();

}  // namespace batch

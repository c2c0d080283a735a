// SPDX-License-Identifier: EUPL-1.2
// How synthese.xlsx's parts are deflated.
#pragma once

namespace batch {

// Finds minizip's own entry functions, to which the workbook's entries go deflated by ISA-L.
// Called before the first workbook; without it, the workbook's zip fails as a write does.
void PrepareCompressionRapide();

}  // namespace batch

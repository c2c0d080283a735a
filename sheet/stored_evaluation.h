// SPDX-License-Identifier: EUPL-1.2
// The evaluation a sheet carries in its document information, so that the calculator can
// open the sheet again: the evaluation as plain values and its text, ASCII only, versioned
// and checksummed, which the writer's Windows-1252 conversion leaves as it is.
#pragma once

#include <string>
#include <string_view>

#include "grid/evaluation.h"

namespace fiche {

using grid::Evaluation;

// Why a file gives no evaluation. The first kinds come from the file, the last from its text.
enum class Refus {
  Aucun,             // an evaluation was read
  Absent,            // no such file
  Dossier,           // a folder
  Illisible,         // the file cannot be read
  Protege,           // a PDF that needs a password
  Endommage,         // not a readable PDF: damaged, truncated, another kind of file
  PasUneFiche,       // a PDF that carries no evaluation of this program
  Modifiee,          // an evaluation whose text or meaning was changed after printing
  FormatPlusRecent,  // an evaluation written by a later version of the program
};

// "AGGIR1", then the file number, surname, first name and address percent-encoded, the
// boxes as 24 hexadecimal digits (one per row, S worth 8, T 4, C 2, H 1), the GIR and the
// rang the boxes give, and the CRC-32 of all that precedes it, in eight hexadecimal digits;
// separated by blanks.
std::string TexteDeFiche(const Evaluation& evaluation);

// The evaluation of such a text. Anything that TexteDeFiche cannot have written is refused,
// a GIR or rang that its boxes do not give too; `evaluation` is set only when the answer is
// Refus::Aucun.
Refus LitTexteDeFiche(std::string_view texte, Evaluation& evaluation);

}  // namespace fiche

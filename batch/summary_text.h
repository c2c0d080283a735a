// SPDX-License-Identifier: EUPL-1.2
// The text of a summary's cell, safe in a spreadsheet: a text that a spreadsheet would take
// for a formula (starting with = + - @, a tab or a carriage return) gets a leading apostrophe,
// as OWASP advises for CSV exports, in the CSV and in the workbook alike; a CSV field that
// holds a separator of any spreadsheet's import (";" "," tab), a quote or a line break is
// quoted.
#pragma once

#include <string>
#include <string_view>

namespace batch {

// The text, with an apostrophe before it when it could start a formula.
std::string SansFormule(std::string_view texte);

// A field of synthese.csv: SansFormule, then quoted when needed.
std::string ChampCsv(std::string_view texte);

}  // namespace batch

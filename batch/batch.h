// SPDX-License-Identifier: EUPL-1.2
// aggir --batch: many evaluations at once, without a window. Scores and prints the lines of
// a CSV file, or sums up sheets already printed, into a folder with the summary synthese.csv
// and its workbook synthese.xlsx.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace batch {

// Exit statuses.
constexpr int kToutImprime = 0;     // every entry gave its evaluation and its sheet
constexpr int kLignesRefusees = 1;  // or the input could not be read to its end, or a summary
                                    // could not be written
constexpr int kImpossible = 2;      // the run could not start: input, output folder, arguments
// Stopped by SIGINT or SIGTERM: 128 and the signal's number, as shells tell it.

// What `aggir --help` says of the batch command, in French.
extern const char* const kAide;

// The run asked by the arguments that follow "--batch"; its exit status.
int Lance(const std::vector<std::string>& arguments, std::FILE* sortie, std::FILE* erreurs);

// The batch command when the program's arguments ask for it (the first is "--batch"), run
// before any window exists; nothing otherwise.
std::optional<int> LanceSiDemande(int argc, char** argv);

}  // namespace batch

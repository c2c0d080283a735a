// SPDX-License-Identifier: EUPL-1.2
// The codes of rows and variables and the GIR of the discriminant codes, for the cases of
// golden/codes.txt.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

#include "grid/codes.h"
#include "grid/gir.h"
#include "test_support/golden.h"

namespace {

// "rang 'codes'", "ligne count" or "variable v rows".
std::string Coded(const std::string& input) {
  std::istringstream in(input);
  in.imbue(std::locale::classic());
  std::string function, text;
  int number = 0;
  in >> function;
  if (function == "rang") {
    std::getline(in.ignore(2), text, '\'');
    return std::to_string(grid::CalculRang(text)) + " " +
           std::to_string(grid::GirDuRang(grid::CalculRang(text)));
  }
  in >> number >> text;
  return {function == "ligne" ? grid::CodeDeLigne(number) : grid::CodeDeVariable(number, text)};
}

TEST(CodesTest, RowsVariablesAndGirOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/grid/golden/codes.txt", Coded);
}

}  // namespace

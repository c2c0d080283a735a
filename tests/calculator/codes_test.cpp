// The codes of rows and variables and the GIR of the discriminant codes, for the cases of
// golden/codes.txt.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

#include "calculator/codes.h"
#include "calculator/gir.h"
#include "tests/support/golden.h"

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
    return std::to_string(CalculRang(text)) + " " + std::to_string(GirDuRang(CalculRang(text)));
  }
  in >> number >> text;
  return {function == "ligne" ? CodeDeLigne(number) : CodeDeVariable(number, text)};
}

TEST(CodesTest, RowsVariablesAndGirOfTheTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/calculator/golden/codes.txt", Coded);
}

}  // namespace

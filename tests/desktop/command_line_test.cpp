// SPDX-License-Identifier: EUPL-1.2
// The command line: options first, then at most one sheet; anything else is refused.
#include <gtest/gtest.h>

#include <sstream>

#include "desktop/command_line.h"
#include "test_support/golden.h"

namespace {

// "arguments => what the program does, the sheet it opens, whether it says why it refuses".
TEST(CommandLineTest, ReadsOptionsThenOneSheetTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/desktop/golden/command_line.txt",
              [](const std::string& line) {
                std::vector<std::string> arguments;
                std::istringstream words(line);
                for (std::string word; words >> word;) arguments.push_back(word);
                const CommandLine command = ParseCommandLine(arguments);
                const char* const actions[] = {"window", "help", "version", "refuse"};
                return actions[static_cast<int>(command.action)] +
                       (command.file.empty() ? "" : " " + command.file) +
                       (command.error.empty() ? "" : " with a reason");
              });
}

}  // namespace

// The command line: options first, then at most one sheet; anything else is refused.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

using Action = CommandLine::Action;

struct Case {
  const char* name;
  std::vector<std::string> arguments;
  Action action;
  std::string file;
};

void PrintTo(const Case& row, std::ostream* out) { *out << row.name; }

class CommandLineTest : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLineTest, ReadsOptionsThenOneSheet) {
  const CommandLine command = ParseCommandLine(GetParam().arguments);
  EXPECT_EQ(command.action, GetParam().action);
  EXPECT_EQ(command.file, GetParam().file);
  EXPECT_EQ(command.error.empty(), GetParam().action != Action::Refuse) << command.error;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    ::testing::Values(
        Case{"Nothing", {}, Action::OpenWindow, ""},
        Case{"Sheet", {"123.pdf"}, Action::OpenWindow, "123.pdf"},
        Case{"Help", {"--help"}, Action::ShowHelp, ""},
        Case{"ShortHelp", {"-h"}, Action::ShowHelp, ""},
        Case{"Version", {"--version"}, Action::ShowVersion, ""},
        Case{"ShortVersion", {"-V"}, Action::ShowVersion, ""},
        Case{"FirstOptionWins", {"-V", "--help"}, Action::ShowVersion, ""},
        Case{"SheetAfterTheEndOfOptions", {"--", "-1.pdf"}, Action::OpenWindow, "-1.pdf"},
        Case{"DashAloneIsAFile", {"-"}, Action::OpenWindow, "-"},
        Case{"UnknownOption", {"--batch"}, Action::Refuse, ""},
        Case{"QtOption", {"-platform", "xcb"}, Action::Refuse, ""},
        Case{"TwoSheets", {"1.pdf", "2.pdf"}, Action::Refuse, ""},
        Case{"OptionAfterTheSheet", {"1.pdf", "--help"}, Action::Refuse, ""}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// The program's command line: options first, then at most one sheet to open.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  enum class Action { OpenWindow, ShowHelp, ShowVersion, Refuse };
  Action action = Action::OpenWindow;
  std::string file;   // the sheet to open in the window; empty for none
  std::string error;  // why the command line is refused
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What --help and --version print.
std::string HelpText();
std::string VersionText();

// Prints the help or the version on the standard output, or why the command line is
// refused on the standard error; returns the program's exit status.
int AnswerInTerminal(const CommandLine& command);

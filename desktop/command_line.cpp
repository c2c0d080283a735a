// SPDX-License-Identifier: EUPL-1.2
#include "desktop/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "batch/batch.h"

namespace {

struct Option {
  const char* short_name;
  const char* long_name;
  const char* help;
  CommandLine::Action action;
};

// A new option is one more row; --help lists them in this order.
constexpr std::array<Option, 2> kOptions{{
    {"-h", "--help", "affiche cette aide et quitte", CommandLine::Action::ShowHelp},
    {"-V", "--version", "affiche la version et quitte", CommandLine::Action::ShowVersion},
}};

const Option* FindOption(const std::string& argument) {
  for (const Option& option : kOptions) {
    if (argument == option.short_name || argument == option.long_name) return &option;
  }
  return nullptr;
}

CommandLine Refused(const std::string& error) { return {CommandLine::Action::Refuse, {}, error}; }

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool options_ended = false;
  for (const std::string& argument : arguments) {
    if (!command.file.empty()) return Refused("un seul fichier à la fois : « " + argument + " »");
    if (!options_ended && argument == "--") {
      options_ended = true;
    } else if (!options_ended && argument.size() > 1 && argument[0] == '-') {
      const Option* option = FindOption(argument);
      if (!option) return Refused("option inconnue : « " + argument + " »");
      command.action = option->action;
      return command;
    } else {
      command.file = argument;
    }
  }
  return command;
}

std::string HelpText() {
  std::string text =
      "Utilisation : aggir [OPTION] [FICHE]\n"
      "Calculette AGGIR : coder la grille AGGIR d'une personne âgée, calculer son GIR et\n"
      "imprimer la fiche d'évaluation.\n"
      "\n"
      "  FICHE           une fiche d'évaluation imprimée par la calculette, à rouvrir\n";
  for (const Option& option : kOptions) {
    const std::string names = std::string(option.short_name) + ", " + option.long_name;
    const std::size_t column = std::max<std::size_t>(names.size() + 1, 16);
    text += "  " + names + std::string(column - names.size(), ' ') + option.help + "\n";
  }
  return text + "\n" + batch::kAide;
}

std::string VersionText() { return std::string("Calculette AGGIR ") + AGGIR_VERSION + "\n"; }

int AnswerInTerminal(const CommandLine& command) {
  switch (command.action) {
    case CommandLine::Action::ShowHelp: std::fputs(HelpText().c_str(), stdout); return 0;
    case CommandLine::Action::ShowVersion: std::fputs(VersionText().c_str(), stdout); return 0;
    default:
      std::fprintf(stderr, "aggir : %s\nEssayez « aggir --help ».\n", command.error.c_str());
      return 2;
  }
}

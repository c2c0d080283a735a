// SPDX-License-Identifier: EUPL-1.2
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "batch/batch.h"
#include "desktop/application.h"
#include "desktop/calculator_window.h"
#include "desktop/command_line.h"

namespace {

// Without a display the toolkit would abort with a trace; say it in one line instead.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Many evaluations at once: no window, no display needed.
  if (const std::optional<int> status = batch::LanceSiDemande(argc, argv)) return *status;
  const CommandLine command = ParseCommandLine({argv + 1, argv + argc});
  if (command.action != CommandLine::Action::OpenWindow) return AnswerInTerminal(command);
  if (!HasDisplay()) {
    std::fputs(
        "Aucun affichage graphique (DISPLAY non défini) : lancez la calculette depuis "
        "une session graphique.\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);
  PrepareApplication(app);
  CalculatorWindow window;
  window.view.show();
  // After the window's activation, which begins a blank evaluation.
  window.view.OpenFile(command.file);
  return app.exec();
}

// SPDX-License-Identifier: EUPL-1.2
// The calculator as the program runs it: the window model over the Qt host services, and
// its Qt mirror, parent of the host's message boxes and help window.
#pragma once

#include <filesystem>

#include "desktop/qt_host.h"
#include "desktop/window_view.h"

struct CalculatorWindow {
  // An empty program folder means the folder of the running executable.
  explicit CalculatorWindow(std::filesystem::path program_folder = {})
      : host(std::move(program_folder)), form(host), view(form) {
    host.SetParentWindow(&view);
  }

  QtHost host;
  SaisieAggir2 form;
  WindowView view;
};

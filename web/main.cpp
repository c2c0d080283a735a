// SPDX-License-Identifier: EUPL-1.2
// The calculator as the page runs it: the window model over the browser's host services,
// and its DOM mirror. The page's script calls the functions below for the user's actions.
#include <emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "calculator/saisie_aggir2.h"
#include "web/browser_host.h"
#include "web/dom_view.h"

namespace {

struct Calculette {
  Calculette() : form(host), view(form) {}
  BrowserHost host;
  SaisieAggir2 form;
  DomView view;
};

std::unique_ptr<Calculette> calculette;

void Start() {
  calculette.reset();  // its elements go before the new ones come
  calculette = std::make_unique<Calculette>();
  calculette->view.Show();
}

// After "Quitter" the desktop's program ends; a page cannot close itself, so the calculator
// starts again, as if launched anew: the evaluation is over, as on the desktop.
template <typename Action>
void Run(Action action) {
  if (!calculette) return;
  action(calculette->view);
  if (calculette->view.Closed()) Start();
}

}  // namespace

int main() {
  BrowserHost::LayOutProgramFolder();
  Start();
  return 0;
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void aggir_click(int id) {
  Run([id](DomView& view) { view.Click(id); });
}

EMSCRIPTEN_KEEPALIVE void aggir_toggled(int id, int checked) {
  Run([id, checked](DomView& view) { view.Toggled(id, checked != 0); });
}

// Whether the window takes the key for itself: the browser must not act on it as well.
EMSCRIPTEN_KEEPALIVE int aggir_own_key(int key_code, int shift) {
  return window::WindowsOwnKey(window::KeyCodeOf(key_code, shift != 0)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void aggir_key_down(int id, int key_code, int shift) {
  Run([id, key_code, shift](DomView& view) { view.KeyDown(id, key_code, shift != 0); });
}

EMSCRIPTEN_KEEPALIVE int aggir_key_press(int id, int key_ascii) {
  return calculette ? calculette->view.KeyPress(id, key_ascii) : 0;
}

EMSCRIPTEN_KEEPALIVE void aggir_edited(int id, const char* text) {
  const std::string edited = text;
  Run([id, &edited](DomView& view) { view.Edited(id, edited); });
}

EMSCRIPTEN_KEEPALIVE void aggir_mouse_move(int id) {
  Run([id](DomView& view) { view.MouseMove(id); });
}

EMSCRIPTEN_KEEPALIVE void aggir_help_key() {
  Run([](DomView& view) { view.HelpKey(); });
}

EMSCRIPTEN_KEEPALIVE void aggir_open_key() {
  Run([](DomView& view) { view.OpenKey(); });
}

EMSCRIPTEN_KEEPALIVE void aggir_print_key() {
  Run([](DomView& view) { view.PrintKey(); });
}

EMSCRIPTEN_KEEPALIVE void aggir_escape_key() {
  Run([](DomView& view) { view.EscapeKey(); });
}

// Whether leaving the page would lose an evaluation never printed: the browser asks first.
EMSCRIPTEN_KEEPALIVE int aggir_unprinted() {
  return calculette && calculette->view.Unprinted() ? 1 : 0;
}

// Names separated by line feeds; an empty name for a drop that is no file.
EMSCRIPTEN_KEEPALIVE void aggir_dropped(const char* names) {
  std::vector<std::filesystem::path> files;
  const std::string all = names;
  for (std::size_t start = 0;;) {
    const std::size_t end = all.find('\n', start);
    files.emplace_back(all.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  Run([&files](DomView& view) { view.Dropped(files); });
}

}  // extern "C"

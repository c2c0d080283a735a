// SPDX-License-Identifier: EUPL-1.2
// One page element per model control: created once, then brought up to date from the model
// after each event. Only what changed since the last refresh is sent to the page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "calculator/accessible.h"
#include "calculator/window/controls.h"

class Element {
 public:
  // Creates the page's element `id` in element `parent` (0: the window).
  Element(int id, int parent, const window::Control& control, int layer);
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
  Element(Element&&) = default;

  // `covered`: under a panel, out of the keyboard's reach.
  void Refresh(const accessible::Text& text, bool covered);
  // What the page shows once the user changed it in place (a box toggled, a text typed),
  // before the model had its say: the next refresh corrects it if the model thinks otherwise.
  void UserSet(int value) { value_ = value; }
  void UserSet(const std::string& text) { text_ = text; }
  int Id() const { return id_; }
  const window::Control& Control() const { return control_; }

 private:
  void RefreshContent();
  void RefreshLook();

  int id_;
  const window::Control& control_;
  // What the page shows, as last sent; nothing before the first refresh.
  std::optional<std::tuple<int, int, int, int>> geometry_;
  std::optional<std::string> text_;
  std::optional<int> value_;
  std::optional<bool> visible_, enabled_, covered_;
  std::optional<std::tuple<window::Colour, window::Colour, bool>> colours_;
  std::optional<window::Font> font_;
  std::optional<std::tuple<std::string, std::string>> accessible_;
  std::optional<std::uint64_t> picture_;
  std::optional<std::tuple<int, int, int, int, int, window::Colour>> line_;
};

// "ADV(5)", "TxtNom": the control's name and index, as the page's element carries it.
std::string ControlName(const window::Control& control);

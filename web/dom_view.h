// SPDX-License-Identifier: EUPL-1.2
// The page's mirror of SaisieAggir2, as desktop/ has its Qt one: one element per control,
// the user's events passed to the handlers each control carries, every element refreshed
// from the model afterwards. Elements are known to the page by their number.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calculator/saisie_aggir2.h"
#include "web/elements.h"

class DomView {
 public:
  explicit DomView(SaisieAggir2& form);
  ~DomView();
  DomView(const DomView&) = delete;
  DomView& operator=(const DomView&) = delete;

  // Loads and shows the window: its elements, then its activation.
  void Show();

  // The user's actions on element `id`; 0 is the window itself.
  void Click(int id);
  // A check box the user ticked or unticked (the page has toggled it already).
  void Toggled(int id, bool checked);
  // A key the window takes for itself (window::WindowsOwnKey) on element `id`.
  void KeyDown(int id, int key_code, bool shift);
  // A character typed into a text box, before it reaches the text: the key code the field
  // takes, 0 when it refuses it.
  int KeyPress(int id, int key_ascii);
  // The text a text box holds after the user changed it by any means.
  void Edited(int id, const std::string& text);
  void MouseMove(int id);
  void HelpKey();
  void OpenKey();
  void PrintKey();
  void EscapeKey();
  // Whether closing the page would lose an evaluation never printed.
  bool Unprinted() const { return form_.EvaluationNonImprimee(); }
  // Files dropped onto the page, by their names in the working folder; an empty name for
  // anything that is no file.
  void Dropped(const std::vector<std::filesystem::path>& files);

  // The window was closed by "Quitter".
  bool Closed() const { return form_.Fermee; }

 private:
  using Ranks = std::map<const window::Control*, std::size_t>;
  void Build();
  void Create(const window::Control* parent, int parent_id, const Ranks& ranks);
  // Runs a handler of the window, then brings every element up to date. A failure ends the
  // handler, is told to the user, and the page goes on from the model as it stands.
  void Handle(const std::function<void()>& handler);
  void Refresh();
  window::Control* ControlOf(int id);

  SaisieAggir2& form_;
  std::vector<Element> elements_;  // by id - 1
  std::vector<int> ids_;           // by position in the model's list of controls
  bool covering_ = false;          // a panel lies over the grid
};

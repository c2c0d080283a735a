// SPDX-License-Identifier: EUPL-1.2
// The window as text, one line a control with everything the logic can set on it, for the
// golden files of the window's states and of user sessions.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string>

#include "calculator/saisie_aggir2.h"
#include "test_support/recording_host.h"

// "Name" or "Name(index)"; "-" for none.
std::string NameOf(const window::Control* control);

// The window's own line, the state no control shows, then one line a control, by keys that
// keep the order of the window's list.
std::map<std::string, std::string> Snapshot(const SaisieAggir2& form);

class Session;
// One step of a session, reading its arguments.
using Op = std::function<void(Session&, std::istream&)>;

// A fresh window, loaded and activated, whose later states are written as their changes.
class Session {
 public:
  explicit Session(std::ostream& out);
  // What the window shows now that differs from the window just loaded.
  void Write(const std::string& state);
  // Runs one step, then writes what it changed since the last one and what it asked of the
  // host.
  void Step(const std::string& step, const Op& op, std::istream& args);

  platform::RecordingHost host;
  std::ostream& out_;
  SaisieAggir2 form;

 private:
  std::map<std::string, std::string> Load();
  std::map<std::string, std::string> loaded_, last_;
  int beeps_ = 0;
  std::size_t messages_ = 0, started_ = 0;
};

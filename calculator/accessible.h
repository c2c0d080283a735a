// SPDX-License-Identifier: EUPL-1.2
// What assistive technologies say of each control of the window: a name that tells it from
// every other control of the window, and a description of what it asks or holds. Both come
// from the window's own texts (row captions, adverbs, questions, tooltips) and its state
// (codes, GIR, profile), so that the front end only passes them on.
#pragma once

#include <string>

#include "calculator/saisie_aggir2.h"

namespace accessible {

struct Text {
  std::string name;         // empty: the control says what it shows (its caption)
  std::string description;  // empty: nothing to add
};

Text Of(const SaisieAggir2& form, const window::Control& control);

// The keys that act on the control besides Tab and the space bar, for its tooltip; empty for
// none.
std::string Keys(const window::Control& control);

}  // namespace accessible

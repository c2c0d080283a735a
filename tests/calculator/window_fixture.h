// A fresh window on fake host services, loaded and activated as at start-up.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "calculator/saisie_aggir2.h"
#include "platform/recording_host.h"

// Where a control stands: its container and its place in twips.
struct Placement {
  const window::Control* control;
  const window::Control* parent;
  int left, top, width, height;
};

inline void ExpectPlacements(std::initializer_list<Placement> placements) {
  for (const Placement& p : placements) {
    SCOPED_TRACE(p.control->Name + " " + std::to_string(p.control->Index));
    EXPECT_EQ(p.control->Parent, p.parent);
    EXPECT_EQ(p.control->Left, p.left);
    EXPECT_EQ(p.control->Top, p.top);
    EXPECT_EQ(p.control->Width, p.width);
    EXPECT_EQ(p.control->Height, p.height);
  }
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : form(host) {
    form.Form_Load();
    form.Form_Activate();
  }

  platform::RecordingHost host;
  SaisieAggir2 form;
};

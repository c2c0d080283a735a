// SPDX-License-Identifier: EUPL-1.2
// A fresh window on fake host services, loaded and activated as at start-up.
#pragma once

#include <gtest/gtest.h>

#include "calculator/saisie_aggir2.h"
#include "test_support/recording_host.h"

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() : form(host) {
    form.Form_Load();
    form.Form_Activate();
  }

  platform::RecordingHost host;
  SaisieAggir2 form;
};

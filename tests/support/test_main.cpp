// SPDX-License-Identifier: EUPL-1.2
// Test entry point that adopts the environment's locale, as the Qt program does, so that
// running the suite under LC_ALL=fr_FR.UTF-8 proves nothing depends on it.
#include <clocale>
#include <locale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  try {
    std::locale::global(std::locale(""));
  } catch (const std::runtime_error&) {
    // Unknown locale name in the environment: keep the classic one.
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

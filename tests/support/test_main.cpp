// SPDX-License-Identifier: EUPL-1.2
// Test entry point that adopts the environment's locale, as the Qt program does, so that
// running the suite under LC_ALL=fr_FR.UTF-8 proves nothing depends on it.
#include <clocale>
#include <locale>

#include <gtest/gtest.h>

// Read by LeakSanitizer in the sanitizer builds: fontconfig loses a few hundred bytes while it
// parses the system's configuration at FcInit, once per process, out of the writer's reach.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

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

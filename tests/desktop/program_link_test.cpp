// SPDX-License-Identifier: EUPL-1.2
// The program laid out as its package installs it and started through a link, as
// /usr/bin/aggir starts it: it finds its own folder through the link, so its help and the
// metric folder beside it, and since its user cannot write there, the sheet goes to the
// documents folder, made if the account has none yet. This test program plays the installed one: it
// copies itself into the layout and runs, through the link, the case that only such a copy
// registers.
#include <gtest/gtest.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>

#include "desktop/calculator_window.h"
#include "test_support/files.h"
#include "test_support/ticks.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderVariable = "AGGIR_TEST_INSTALLED_FOLDER";

// Run by the copy: the window over the real host services, as the program opens it.
class InstalledCopy : public ::testing::Test {
 public:
  void TestBody() override {
    CalculatorWindow window;  // no folder given: the running program's own
    window.view.show();
    EXPECT_EQ(window.host.ProgramFolder(), fs::path(std::getenv(kFolderVariable)));
    window.form.SSCommand4_Click();  // "Aide = F1"
    ASSERT_NE(window.host.Help(), nullptr);
    EXPECT_TRUE(window.host.Help()->Text().contains("Trois adverbes cochés"));
    example::Saisit(window.form);
    window.form.SSCommand1_Click();  // "Imprimer": a writer's failure fails the case
  }
};

const bool kRegistered = [] {
  if (std::getenv(kFolderVariable)) {
    ::testing::RegisterTest("InstalledCopy", "FindsItsFolders", nullptr, nullptr, __FILE__,
                            __LINE__, []() -> ::testing::Test* { return new InstalledCopy; });
  }
  return true;
}();

// The package's layout: opt/aggir/bin (this program as aggir, the help), opt/aggir/system/Fonts,
// and usr/bin/aggir a link to the program.
fs::path LayOut(const fs::path& root) {
  const fs::path program = root / "opt/aggir/bin";
  fs::create_directories(program);
  fs::create_directories(root / "opt/aggir/system");
  fs::create_directories(root / "usr/bin");
  fs::copy_file("/proc/self/exe", program / "aggir");
  fs::copy_file(fs::path(AGGIR_PROGRAM_DIR) / "GUIDE SORVANE.HLP", program / "GUIDE SORVANE.HLP");
  fs::copy(AGGIR_FONTS_DIR, root / "opt/aggir/system/Fonts");
  fs::create_symlink(program / "aggir", root / "usr/bin/aggir");
  return program;
}

TEST(ProgramThroughLinkTest, FindsHelpMetricsAndDocumentsFolder) {
  const pdftest::ScratchDir root;
  const fs::path program = LayOut(root.path()), home = root.path() / "home";
  fs::create_directories(home);  // a new account: no documents folder yet
  // The user who runs it cannot write into its folder: nobody, when the tests run as root.
  std::string user;
  if (geteuid() == 0) {
    user = "setpriv --reuid=nobody --regid=nogroup --clear-groups ";
    ASSERT_EQ(chown(home.c_str(), 65534, 65534), 0);
  } else {
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
  }
  const pdftest::ToolResult run = pdftest::RunTool(
      user + "env HOME='" + home.string() + "' QT_QPA_PLATFORM=offscreen " + kFolderVariable +
      "='" + program.string() + "' '" + (root.path() / "usr/bin/aggir").string() +
      "' --gtest_filter=InstalledCopy.*");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
  EXPECT_TRUE(fs::exists(home / "Documents/123.pdf"));
  EXPECT_FALSE(fs::exists(program / "123.pdf"));
  fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);  // to remove it
}

}  // namespace

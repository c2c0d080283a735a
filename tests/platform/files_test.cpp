// SPDX-License-Identifier: EUPL-1.2
#include "platform/files.h"
#include "platform/output_file.h"
#include "platform/system_reason.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace {

// The help file is asked for as "GUIDE SORVANE.HLP" and as "Guide SORVANE.HLP": on a
// case-sensitive file system both must find the one installed file.
TEST(FindIgnoringCase, FindsTheFileWhateverTheCaseAsked) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("aggir-files-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "GUIDE SORVANE.HLP") << "aide";
  std::ofstream(folder / "autre.txt") << "x";
  const struct {
    const char* asked;
    const char* found;  // empty: nothing
  } cases[] = {{"GUIDE SORVANE.HLP", "GUIDE SORVANE.HLP"},
               {"Guide SORVANE.HLP", "GUIDE SORVANE.HLP"},
               {"guide sorvane.hlp", "GUIDE SORVANE.HLP"},
               {"GUIDE SORVANE.HL", ""},
               {"GUIDE  SORVANE.HLP", ""},
               {"AUTRE.TXT", "autre.txt"}};
  for (const auto& c : cases) {
    const auto found = platform::FindIgnoringCase(folder, c.asked);
    if (*c.found) {
      ASSERT_TRUE(found.has_value()) << c.asked;
      EXPECT_EQ(found->filename(), c.found);
    } else {
      EXPECT_FALSE(found.has_value()) << c.asked;
    }
  }
  EXPECT_FALSE(platform::FindIgnoringCase(folder / "absent", "autre.txt").has_value());
  std::filesystem::remove_all(folder);
}

// A folder is writable when a file can really be made in it; the trial leaves nothing behind.
TEST(CanCreateFilesIn, TriesAndCleansUp) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("aggir-write-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "lecture");
  EXPECT_TRUE(platform::CanCreateFilesIn(folder));
  EXPECT_TRUE(std::filesystem::is_empty(folder / "lecture"));
  EXPECT_FALSE(platform::CanCreateFilesIn(folder / "absent"));
  std::filesystem::permissions(
      folder / "lecture", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  // Root writes anywhere: the read-only case holds only for an ordinary user.
  if (geteuid() != 0) {
    EXPECT_FALSE(platform::CanCreateFilesIn(folder / "lecture"));
  }
  std::filesystem::permissions(folder / "lecture", std::filesystem::perms::owner_all);
  std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

// Names in a folder, sorted.
std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A document is published by a rename over its target: whether the rename succeeds or fails
// (a folder stands where the file goes), no temporary file stays, and a failure leaves what
// stood there as it was.
TEST(OutputFile, NoTemporaryFileLeftWhateverTheRenameGives) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("aggir-output-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "occupe.pdf" / "dedans");
  const struct {
    const char* target;
    bool published;
    std::vector<std::string> left;
  } cases[] = {{"neuf.pdf", true, {"neuf.pdf", "occupe.pdf"}},
               {"occupe.pdf", false, {"neuf.pdf", "occupe.pdf"}}};
  for (const auto& c : cases) {
    {
      platform::OutputFile file;
      ASSERT_TRUE(file.Create(folder / c.target)) << c.target;
      file.Write("%PDF-1.5\n");
      ASSERT_FALSE(file.Close());
      EXPECT_EQ(!file.Publish(), c.published) << c.target;
    }
    EXPECT_EQ(Entries(folder), c.left) << c.target;
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder / "occupe.pdf" / "dedans"));
  std::filesystem::remove_all(folder);
}

// A full disk, made without one: past the file size limit, with SIGXFSZ ignored, write()
// fails as on a full device. The reason is told, in French; not a byte more than the limit.
TEST(OutputFile, TellsWhyAWriteFailed) {
  constexpr rlim_t kLimit = 64 * 1024;
  const auto folder = std::filesystem::temp_directory_path() /
                      ("aggir-full-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  const struct {
    std::size_t bytes;
    std::string reason;
  } cases[] = {{kLimit, ""}, {kLimit + 1, "fichier trop gros"}};
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  for (const auto& c : cases) {
    platform::OutputFile file;
    ASSERT_TRUE(file.Create(folder / "synthese.csv"));
    rlimit small{kLimit, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    file.Write(std::string(c.bytes, 'x'));
    const std::error_code error = file.Close();
    setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(error ? platform::SystemReason(error) : "", c.reason) << c.bytes;
  }
  std::signal(SIGXFSZ, previous_handler);
  std::filesystem::remove_all(folder);
}

}  // namespace

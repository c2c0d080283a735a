#include "tests/support/golden.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void Write(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Diff(const std::filesystem::path& golden, const std::string& actual) {
  const auto written = std::filesystem::temp_directory_path() /
                       (golden.stem().string() + ".actual" + golden.extension().string());
  Write(written, actual);
  const std::string command = "diff -u '" + golden.string() + "' '" + written.string() + "'";
  std::string output;
  if (std::FILE* pipe = popen(command.c_str(), "r")) {
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
      output.append(buffer.data(), n);
    }
    pclose(pipe);
  }
  return output + "(written to " + written.string() + "; scripts/golden.sh regenerates)";
}

}  // namespace

void ExpectGolden(const std::filesystem::path& golden, const std::string& actual) {
  const char* update = std::getenv("AGGIR_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(golden.parent_path());
    Write(golden, actual);
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << golden << " is missing: run scripts/golden.sh";
  if (Read(golden) != actual) ADD_FAILURE() << Diff(golden, actual);
}

// SPDX-License-Identifier: EUPL-1.2
// Helpers for the writer's tests: scratch folders, test metric files, reading back the
// produced bytes and running the installed PDF tools.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "pdf/vaROR.h"
#include "test_support/recording_host.h"

namespace pdftest {

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& file);
// The lines of a raw string literal with the file's CR LF line ends.
std::string CrLf(std::string_view lines);
void WriteFile(const std::filesystem::path& file, const std::string& text);
// Leaves the bytes of a test case where scripts/fuzz.sh takes the seeds of `target`.
void WriteFuzzSeed(const std::string& target, const std::string& name, std::string_view bytes);

// A metric file giving 278 to the blank and 556 to every other code 33..255.
void WriteTestMetrics(const std::filesystem::path& folder, const std::string& font_name);

// Byte position of the line "n 0 obj" for every object, found by scanning the file.
std::map<int, std::size_t> ObjectLinePositions(const std::string& pdf);
// Every xref entry is the position of its object's line, startxref the position of "xref".
void ExpectConsistentXref(const std::string& pdf);
// The bytes between the line end after "stream" and "endstream" of object n.
std::string StreamOf(const std::string& pdf, int object);

// A FIFO at `file`: opened for reading, it waits until a writer comes.
void MakeFifo(const std::filesystem::path& file);
// Runs `call`, which may meet the FIFO `fifo`; false when it was still waiting after two
// seconds. A waiting call is then given writers until it returns, so a fault fails the test
// instead of hanging it.
bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& call);

struct ToolResult {
  int status;
  std::string output;  // standard output and standard error
};
ToolResult RunTool(const std::string& command_line);

// A writer over a scratch folder holding one test font, "Helvetica", in points.
class WriterFixture {
 public:
  WriterFixture();
  std::filesystem::path File() const { return dir.path() / "doc.pdf"; }
  // Ends the document and returns the whole file.
  std::string Finish();
  // Ends the document and returns page 1's content stream.
  std::string FirstPageContent();

  platform::RecordingHost host;
  ScratchDir dir;
  std::filesystem::path fonts;
  pdf::vaROR writer{host};
};

}  // namespace pdftest

// SPDX-License-Identifier: EUPL-1.2
#include "test_support/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <future>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

namespace pdftest {

ScratchDir::ScratchDir() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("aggir-pdf-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string CrLf(std::string_view lines) {
  std::string text;
  for (char c : lines) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

void WriteFuzzSeed(const std::string& target, const std::string& name, std::string_view bytes) {
  const std::filesystem::path folder = std::filesystem::path(AGGIR_FUZZ_SEEDS_DIR) / target;
  std::filesystem::create_directories(folder);
  WriteFile(folder / name, std::string(bytes));
}

void WriteTestMetrics(const std::filesystem::path& folder, const std::string& font_name) {
  std::string text = "StartFontMetrics 2.0\nFontName " + font_name + "\nStartCharMetrics 224\n";
  for (int code = 32; code <= 255; ++code) {
    text += "C " + std::to_string(code) + " ; WX " + (code == 32 ? "278" : "556") + " ; N g ;\n";
  }
  WriteFile(folder / (font_name + ".afm"), text + "EndCharMetrics\n");
}

std::map<int, std::size_t> ObjectLinePositions(const std::string& pdf) {
  std::map<int, std::size_t> positions;
  std::size_t line = 0;
  while (line < pdf.size()) {
    std::size_t end = pdf.find("\r\n", line);
    if (end == std::string::npos) break;
    std::string text = pdf.substr(line, end - line);
    std::size_t digits = text.find_first_not_of("0123456789");
    if (digits > 0 && digits != std::string::npos && text.substr(digits) == " 0 obj") {
      positions[std::stoi(text.substr(0, digits))] = line;
    }
    line = end + 2;
  }
  return positions;
}

void ExpectConsistentXref(const std::string& pdf) {
  auto positions = ObjectLinePositions(pdf);
  std::size_t xref = pdf.rfind("\r\nxref\r\n") + 2;
  std::size_t table = pdf.find("0000000000 65535 f\r\n", xref) + 20;
  for (const auto& [object, position] : positions) {
    std::string entry = pdf.substr(table + 20 * static_cast<std::size_t>(object - 1), 20);
    char expected[32];
    std::snprintf(expected, sizeof expected, "%010zu 00000 n\r\n", position);
    EXPECT_EQ(entry, expected) << "object " << object;
  }
  std::size_t startxref = pdf.find("startxref\r\n", xref) + 11;
  EXPECT_EQ(std::stoul(pdf.substr(startxref)), xref);
  EXPECT_EQ(pdf.find("/Size " + std::to_string(positions.size() + 1) + "\r\n"), pdf.find("/Size "));
}

std::string StreamOf(const std::string& pdf, int object) {
  std::size_t start = ObjectLinePositions(pdf).at(object);
  std::size_t data = pdf.find("stream\r\n", start) + 8;
  std::size_t end = pdf.find("endstream\r\n", data);
  return pdf.substr(data, end - data);
}

void MakeFifo(const std::filesystem::path& file) {
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0) << file;
}

bool ReturnsWithoutAWriter(const std::filesystem::path& fifo, const std::function<void()>& call) {
  using namespace std::chrono_literals;
  auto done = std::async(std::launch::async, call);
  const bool in_time = done.wait_for(2s) == std::future_status::ready;
  while (done.wait_for(50ms) != std::future_status::ready) {
    // A writer that opens and closes gives the waiting reader an end of file.
    const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) close(writer);
  }
  done.get();
  return in_time;
}

ToolResult RunTool(const std::string& command_line) {
  std::FILE* pipe = popen((command_line + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {-1, ""};
  std::string output;
  std::array<char, 4096> buffer;
  std::size_t read = 0;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), read);
  return {pclose(pipe), output};
}

WriterFixture::WriterFixture() : fonts(dir.path() / "fonts") {
  std::filesystem::create_directories(fonts);
  WriteTestMetrics(fonts, "Helvetica");
  writer.PDFLoadAfm(fonts.string());
  writer.PDFFileName(File().string());
  writer.PDFSetUnit(0);
  writer.PDFSetFont(0, 10);
}

std::string WriterFixture::Finish() {
  writer.PDFEndDoc();
  return ReadFile(File());
}

std::string WriterFixture::FirstPageContent() { return StreamOf(Finish(), 2); }

}  // namespace pdftest

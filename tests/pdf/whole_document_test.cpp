// SPDX-License-Identifier: EUPL-1.2
// Whole documents with the generated standard fonts, read by the installed PDF tools: what
// each tool makes of the sample against the reviewed copy in golden/sample.txt.
#include <gtest/gtest.h>

#include <sstream>

#include "sample_document.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

// The lines of `text` that start with one of `starts`.
std::string LinesStarting(const std::string& text, std::initializer_list<std::string> starts) {
  std::istringstream lines(text);
  std::string kept;
  for (std::string line; std::getline(lines, line);) {
    for (const auto& start : starts) kept += line.starts_with(start) ? line + "\n" : "";
  }
  return kept;
}

// qpdf's check, the title and page count, the fonts (standard, not embedded, symbolic ones
// with their built-in encoding), the text with its accents, the link targets and the
// messages of the sample's refused input; every page drawn without complaint.
TEST(WholeDocumentTest, ToolsReadTheSample) {
  platform::RecordingHost host;
  pdf::vaROR writer{host};
  pdftest::ScratchDir dir;
  const auto file = dir.path() / "essai.pdf";
  pdftest::WriteSample(writer, file);
  const std::string quoted = " '" + file.string() + "'";
  const std::string check = pdftest::RunTool("qpdf --check" + quoted).output;
  std::string read = check.substr(check.find('\n') + 1);  // after the line naming the file
  read += LinesStarting(pdftest::RunTool("pdfinfo" + quoted).output, {"Title", "Pages"});
  read += pdftest::RunTool("pdffonts" + quoted).output +
          pdftest::RunTool("pdftotext" + quoted + " -").output;
  read += LinesStarting(pdftest::ReadFile(file), {"/Annots", "<</Type /Annot"});
  for (const auto& m : host.messages) read += m.title + ": " + m.text + "\n";
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/pdf/golden/sample.txt", read);

  const auto drawn = pdftest::RunTool("pdftoppm -r 20 -png" + quoted + " '" +
                                      (dir.path() / "page").string() + "'");
  EXPECT_EQ(drawn.status, 0) << drawn.output;
  EXPECT_EQ(drawn.output, "");
  auto page = dir.path() / ("page-" + std::to_string(pdftest::kSampleGraphicsPage) + ".png");
  EXPECT_GT(std::filesystem::file_size(page), 1000u);
}

}  // namespace

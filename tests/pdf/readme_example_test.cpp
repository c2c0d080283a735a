// SPDX-License-Identifier: EUPL-1.2
// The writer example of README.md, compiled from the README itself, writes a valid sheet.
#include <gtest/gtest.h>

#include "test_support/files.h"

void WriteSheet(platform::Host& host, const std::string& fonts, const std::string& file);

namespace {

TEST(ReadmeExampleTest, WritesAValidSheet) {
  platform::RecordingHost host;
  pdftest::ScratchDir dir;
  auto file = dir.path() / "fiche.pdf";
  WriteSheet(host, AGGIR_FONTS_DIR, file.string());
  EXPECT_TRUE(host.messages.empty());
  auto check = pdftest::RunTool("qpdf --check '" + file.string() + "'");
  EXPECT_EQ(check.status, 0) << check.output;
  EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;
  auto text = pdftest::RunTool("pdftotext '" + file.string() + "' -").output;
  EXPECT_NE(text.find("Évaluation AGGIR"), std::string::npos) << text;
  EXPECT_NE(pdftest::ReadFile(file).find("/URI (https://www.cnsa.fr/)"), std::string::npos);
}

}  // namespace

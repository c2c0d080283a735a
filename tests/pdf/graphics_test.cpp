// Drawing without a page: told once, nothing drawn.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/pdf/support.h"

namespace {

using Calls = std::function<void(pdf::vaROR&)>;

TEST(GraphicsTest, DrawingWithoutAnOpenPageIsReportedOnceAndDrawsNothing) {
  // Every drawing operation, before PDFBeginDoc and after PDFEndDoc.
  const std::pair<const char*, Calls> operations[] = {
      {"PDFTextOut", [](pdf::vaROR& w) { w.PDFTextOut("x", 1, 1); }},
      {"PDFCell", [](pdf::vaROR& w) { w.PDFCell("x", 1, 1, 50, 10); }},
      {"PDFLink", [](pdf::vaROR& w) { w.PDFLink(1, 1, "x"); }},
      {"PDFDrawLineHor", [](pdf::vaROR& w) { w.PDFDrawLineHor(1, 1, 1); }},
      {"PDFDrawLineVer", [](pdf::vaROR& w) { w.PDFDrawLineVer(1, 1, 1); }},
      {"PDFDrawLine", [](pdf::vaROR& w) { w.PDFDrawLine(1, 1, 2, 2); }},
      {"PDFDrawRectangle", [](pdf::vaROR& w) { w.PDFDrawRectangle(1, 1, 1, 1, "http://x.fr"); }},
      {"PDFDrawEllipse", [](pdf::vaROR& w) { w.PDFDrawEllipse(1, 1, 1); }},
      {"PDFDrawPolygon",
       [](pdf::vaROR& w) {
         w.PDFDrawPolygon({1, 1, 2, 2});
       }},
  };
  for (const auto& [name, draw] : operations) {
    pdftest::WriterFixture doc;
    draw(doc.writer);
    draw(doc.writer);
    ASSERT_EQ(doc.host.messages.size(), 1u) << name;
    EXPECT_EQ(doc.host.messages[0].text,
              std::string("Aucune page ouverte pour ") + name + ".\r\nL'opération est ignorée.");
    EXPECT_EQ(doc.host.messages[0].title, "Ordre des Opérations - vaROR 4.0");
    doc.writer.PDFBeginDoc();
    std::string pdf = doc.Finish();
    EXPECT_EQ(pdftest::StreamOf(pdf, 2), "") << name;
    EXPECT_EQ(pdf.find("/Annots"), std::string::npos) << name;
    draw(doc.writer);
    EXPECT_EQ(doc.host.messages.size(), 2u) << name;
    EXPECT_EQ(pdftest::ReadFile(doc.File()), pdf) << name;
  }
}

}  // namespace

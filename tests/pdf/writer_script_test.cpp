// SPDX-License-Identifier: EUPL-1.2
// The scripts the whole-writer fuzz target plays: each call of the script reaches the writer,
// and the documents they make are sound. The scripts are that target's seeds.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fuzz/writer_script.h"
#include "jpeg_maker.h"
#include "test_support/files.h"

namespace {

using writerscript::Op;

fuzzinput::Writer& Call(fuzzinput::Writer& script, Op op) {
  return script.Byte(static_cast<std::uint8_t>(op));
}

// Every operation once, with sound arguments, over two pages.
std::string EveryOperation() {
  fuzzinput::Writer s;
  Call(s, Op::Info).Byte(0).Text("Évaluation");
  Call(s, Op::View).Int32(1).Int32(3).Byte(1).Byte(0);
  Call(s, Op::Unit).Int32(0);
  Call(s, Op::Font).Byte(0).Int32(10).Int32(2);
  Call(s, Op::Text).Text("Dossier (N°123) \\ à l'hôpital").Number(30).Number(50);
  Call(s, Op::TextColour).Byte(1).Text("#FF8000");
  Call(s, Op::Rotation).Number(30);
  Call(s, Op::Text).Text("tourné").Number(100).Number(100);
  Call(s, Op::Alignment).Int32(3);
  Call(s, Op::Border).Int32(1);
  Call(s, Op::Fill).Byte(1);
  Call(s, Op::Cell)
      .Text("Une cellule justifiée sur plusieurs lignes de texte")
      .Number(40)
      .Number(120)
      .Number(120)
      .Number(12)
      .Text("https://exemple.fr/cellule");
  Call(s, Op::Link).Number(40).Number(200).Text("lien").Text("https://exemple.fr/é");
  Call(s, Op::LineColour).Byte(2).Double(0).Double(0).Double(255);
  Call(s, Op::LineStyle).Int32(2);
  Call(s, Op::LineWidth).Number(1.5);
  Call(s, Op::Line).Number(30).Number(300).Number(550).Number(310);
  Call(s, Op::LineHor).Number(30).Number(320).Number(200);
  Call(s, Op::LineVer).Number(30).Number(320).Number(100);
  Call(s, Op::DrawColour).Byte(0).Double(16777215);
  Call(s, Op::DrawMode).Int32(2);
  Call(s, Op::Rectangle).Number(250).Number(400).Number(5).Number(5).Text("");
  Call(s, Op::Ellipse).Number(300).Number(400).Number(40).Number(20).Text("https://exemple.fr");
  Call(s, Op::Polygon)
      .Byte(6)
      .Number(100)
      .Number(500)
      .Number(150)
      .Number(550)
      .Number(50)
      .Number(550);
  Call(s, Op::Image)
      .Blob(pdftest::MakeJpeg(16, 8, 3))
      .Number(300)
      .Number(500)
      .Number(0)
      .Number(0)
      .Text("https://exemple.fr/image");
  Call(s, Op::Bookmark).Text("Signet1").Byte(1).Number(40);
  Call(s, Op::Measure).Text("Modèle AGGIR").Text("Helvetica").Int32(10);
  Call(s, Op::EndPage);
  Call(s, Op::PageFormat).Byte(1).Double(500).Double(700);
  Call(s, Op::Orientation).Int32(0);
  Call(s, Op::NewPage);
  Call(s, Op::Margins).Int32(2).Int32(3).Int32(-1).Int32(-1).Number(4);
  Call(s, Op::Preset).Byte(8).Text("Tableau").Number(40).Number(60).Number(200).Number(15);
  Call(s, Op::Preset).Byte(7).Text("Titre").Number(40).Number(90).Number(0).Number(0);
  Call(s, Op::Bookmark).Text("Signet2").Byte(0).Number(-1);
  return s.bytes();
}

// Values a caller should never pass: the writer says so and goes on.
std::string RefusedArguments() {
  fuzzinput::Writer s;
  Call(s, Op::Font).Byte(5).Int32(0).Int32(-123);
  Call(s, Op::Cell).Text("sans taille").Number(0).Number(0).Number(-10).Number(0).Text("");
  Call(s, Op::TextColour).Byte(1).Text("rouge");
  Call(s, Op::LineWidth).Number(-1);
  Call(s, Op::DrawMode).Int32(9);
  Call(s, Op::Rectangle).Number(10).Number(10).Number(0).Number(5).Text("x");
  Call(s, Op::Polygon).Byte(3).Number(1).Number(2).Number(3);
  Call(s, Op::Image).Blob("pas une image").Number(0).Number(0).Number(0).Number(0).Text("");
  Call(s, Op::PageFormat).Byte(2).Text("A3");
  Call(s, Op::Unit).Int32(9);
  Call(s, Op::Measure).Text("x").Text("Inconnue").Int32(10);
  Call(s, Op::Text).Text("\xC3").Number(1e9).Number(-1e9);
  return s.bytes();
}

struct Played {
  platform::RecordingHost host;
  pdftest::ScratchDir dir;
  std::filesystem::path file = dir.path() / "script.pdf";
};

void Play(Played& played, const std::string& script) {
  pdf::vaROR writer(played.host);
  writer.PDFLoadAfm(AGGIR_FONTS_DIR);
  writer.PDFFileName(played.file.string());
  writer.PDFBeginDoc();
  fuzzinput::Reader in({reinterpret_cast<const std::uint8_t*>(script.data()), script.size()});
  writerscript::Play(writer, in, played.dir.path());
  writer.PDFEndDoc();
}

TEST(WriterScriptTest, EveryOperationReachesTheWriter) {
  const std::string script = EveryOperation();
  pdftest::WriteFuzzSeed("writer", "every-operation", script);
  Played played;
  Play(played, script);
  EXPECT_TRUE(played.host.messages.empty()) << played.host.messages[0].text;
  EXPECT_EQ(pdftest::RunTool("qpdf --check '" + played.file.string() + "'").status, 0);
  const std::string text = pdftest::RunTool("pdftotext '" + played.file.string() + "' -").output;
  for (const char* shown : {"Dossier (N°123) \\ à l'hôpital", "lien", "Tableau", "Titre"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown;
  }
  const std::string pdf = pdftest::ReadFile(played.file);
  for (const char* object : {"/ImgJPEG1 ", "/Count 2", "/URI (https://exemple.fr/%C3%A9)",
                             "/Title (Signet2)", "/MediaBox [ 0 0 700 500]"}) {
    EXPECT_NE(pdf.find(object), std::string::npos) << object;
  }
}

TEST(WriterScriptTest, RefusedArgumentsAreToldAndTheDocumentStaysSound) {
  const std::string script = RefusedArguments();
  pdftest::WriteFuzzSeed("writer", "refused-arguments", script);
  Played played;
  Play(played, script);
  EXPECT_GE(played.host.messages.size(), 8u);
  EXPECT_EQ(pdftest::RunTool("qpdf --check '" + played.file.string() + "'").status, 0);
}

// The fuzz target's first whole-writer finding, as a script: links and shapes far off the page
// (see FormatTest.NumbersWrittenStayWithinWhatReadersTake).
TEST(WriterScriptTest, ShapesAndLinksFarOffThePageMakeAFileReadersTake) {
  fuzzinput::Writer s;
  Call(s, Op::Rectangle).Number(1e250).Number(-1e300).Number(1e200).Number(5).Text("https://a.fr");
  Call(s, Op::Link).Number(-1e20).Number(3e9).Text("loin").Text("https://b.fr");
  Call(s, Op::Ellipse).Number(1e19).Number(1e19).Number(1e300).Number(0).Text("https://c.fr");
  Call(s, Op::Text).Text("loin").Number(1e308).Number(1e308);
  pdftest::WriteFuzzSeed("writer", "far-off-the-page", s.bytes());
  Played played;
  Play(played, s.bytes());
  const auto check = pdftest::RunTool("qpdf --check '" + played.file.string() + "'");
  EXPECT_EQ(check.status, 0) << check.output;
}

// Any bytes are a script: past its end every value reads as zeros.
TEST(WriterScriptTest, ACutScriptStillEndsTheDocument) {
  const std::string script = EveryOperation().substr(0, 40);
  Played played;
  Play(played, script);
  EXPECT_EQ(pdftest::RunTool("qpdf --check '" + played.file.string() + "'").status, 0);
}

}  // namespace

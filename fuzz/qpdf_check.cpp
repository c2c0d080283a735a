// SPDX-License-Identifier: EUPL-1.2
#include "fuzz/qpdf_check.h"

#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <string>
#include <vector>

namespace fuzzdocument {
namespace {

class IgnoredTokens : public QPDFObjectHandle::ParserCallbacks {
 public:
  void handleObject(QPDFObjectHandle) override {}
  void handleEOF() override {}
};

// qpdf also decodes the images, whose data the writer copies unchanged from the files it
// is given without decoding them: a warning about that data alone is no fault of the file.
bool AboutImageData(const std::string& warning) {
  return warning.find("error decoding stream data") != std::string::npos ||
         warning.find("stream will be re-processed without filtering") != std::string::npos;
}

// Reads the file as `qpdf --check` does; what fails to read is thrown.
void Check(QPDF& pdf, const std::filesystem::path& file) {
  pdf.processFile(file.c_str());
  Pl_Discard discard;
  QPDFWriter writer(pdf);
  writer.setOutputPipeline(&discard);
  writer.setDecodeLevel(qpdf_dl_all);
  writer.write();
  IgnoredTokens tokens;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    page.parseContents(&tokens);
  }
}

}  // namespace

bool QpdfAccepts(const std::filesystem::path& file) {
  QPDF pdf;
  pdf.setSuppressWarnings(true);
  bool accepted = true;
  try {
    Check(pdf, file);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "qpdf: %s\n", error.what());
    accepted = false;
  }
  for (const QPDFExc& warning : pdf.getWarnings()) {
    if (AboutImageData(warning.what())) continue;
    std::fprintf(stderr, "qpdf: WARNING: %s\n", warning.what());
    accepted = false;
  }
  return accepted;
}

}  // namespace fuzzdocument

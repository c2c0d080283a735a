// SPDX-License-Identifier: EUPL-1.2
// The writer's one error type: every failure that abandons an operation is raised as a
// PdfError with a code and a French message for the user.
#pragma once

#include <stdexcept>
#include <string>

namespace pdf {

enum class PdfErrorCode {
  FileNotCreated,  // the output file could not be created, so nothing was written
  FileNotWritten,  // writing, closing or publishing the output file failed
  MetricsMissing,  // a font metric file could not be opened
  OutOfOrder,      // a life-cycle operation called when the document cannot take it
  ImageChanged,    // an image file placed earlier could no longer be copied as it was
};

class PdfError : public std::runtime_error {
 public:
  PdfError(PdfErrorCode code, const std::string& message)
      : std::runtime_error(message), code_(code) {}
  PdfErrorCode code() const { return code_; }

 private:
  PdfErrorCode code_;
};

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for the whole writer: the input is played as a script of public calls
// (fuzz/writer_script.h) on a document, and qpdf must read the file it ends with without
// fault, as `qpdf --check` does.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_document.h"
#include "fuzz/writer_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzdocument::WriteChecked(AGGIR_FONTS_DIR, [data, size](pdf::vaROR& writer) {
    fuzzinput::Reader script({data, size});
    writerscript::Play(writer, script, fuzzdocument::Scratch());
  });
  return 0;
}

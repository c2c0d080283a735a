// SPDX-License-Identifier: EUPL-1.2
// libFuzzer entry for texts in any alphabet: the input is played as a script of the writer's
// text calls (fuzz/text_script.h), whose texts are any bytes (malformed UTF-8, combining
// runs, bidi controls, joiners, clusters of hundreds of marks, cells of many lines), and qpdf
// must read the file it ends with without fault. fuzz/unicode_text.dict gives the pieces.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_document.h"
#include "fuzz/text_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzdocument::WriteChecked(AGGIR_FONTS_DIR, [data, size](pdf::vaROR& writer) {
    fuzzinput::Reader script({data, size});
    textscript::Play(writer, script);
  });
  return 0;
}

// SPDX-License-Identifier: EUPL-1.2
// The fuzz targets of the writer's setters: the input is a series of calls on one writer
// that lives across runs, as a caller's would; each call is read from the input, made and
// checked by the target, and its messages are then forgotten.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_input.h"
#include "pdf/vaROR.h"
#include "test_support/recording_host.h"

namespace fuzzinput {

template <typename Call>
void PlaySetterCalls(const std::uint8_t* data, std::size_t size, Call call) {
  static platform::RecordingHost host;
  static pdf::vaROR writer(host);
  Reader in({data, size});
  while (!in.Empty()) {
    call(in, writer, host);
    host.messages.clear();
  }
}

}  // namespace fuzzinput

// SPDX-License-Identifier: EUPL-1.2
#include "pdf/flate.h"

#include <zlib.h>

#include <stdexcept>

#include "pdf/format.h"

namespace pdf {
namespace {

std::string Deflate(std::string_view data) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  std::string packed(length, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &length,
                reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw std::bad_alloc();  // the only failure with a large enough buffer
  }
  packed.resize(length);
  return packed;
}

}  // namespace

std::string FlateStream(std::string_view entries, std::string_view data) {
  const std::string packed = Deflate(data);
  std::string body;
  Composer out(body);
  out.Text("<< /Length ").Integer(static_cast<std::int64_t>(packed.size()));
  out.Text(" /Filter /FlateDecode").Text(entries).Line(" >>").Line("stream");
  out.Done();
  body += packed;
  Composer(body).Line("").Line("endstream").Done();
  return body;
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
#include "pdf/jpeg.h"

#include <array>
#include <cstring>

namespace pdf {
namespace {

// Files below this size are refused as not JPEG, whatever their markers say.
constexpr std::uint64_t kSmallestFile = 250;

constexpr std::uint8_t kMarkerStart = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kJfifSegment = 0xE0;
constexpr std::uint8_t kAdobeSegment = 0xEE;

// Frame headers of the DCT processes and of the lossless and hierarchical ones.
bool IsFrameHeader(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xC7 && marker != 0xC4;
}

// Markers that stand alone, without a length: TEM, the restart markers and SOI.
bool StandsAlone(std::uint8_t marker) {
  return marker == 0x01 || (marker >= 0xD0 && marker <= kStartOfImage);
}

int Word(const std::uint8_t* bytes) { return 256 * bytes[0] + bytes[1]; }

class MemorySource : public JpegSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool Read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    std::memcpy(out.data(), bytes_.data() + offset, out.size());
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

JpegHeader Refuse(JpegRefusal refusal, int value = 0) {
  JpegHeader header;
  header.refusal = refusal;
  header.refused_value = value;
  return header;
}

// Walks the segments from the one after SOI up to the start of the scan, reading only
// bytes that lie inside the file. The compressed data after the scan start is never read:
// its bytes could look like markers.
class SegmentWalk {
 public:
  explicit SegmentWalk(JpegSource& source) : source_(source), size_(source.Size()) {}

  JpegHeader Run() {
    std::uint64_t at = 2;
    std::array<std::uint8_t, 4> head{};
    while (ReadAt(at, std::span(head).first(2)) && head[0] == kMarkerStart) {
      const std::uint8_t marker = head[1];
      if (marker == kMarkerStart) {  // a fill byte before the marker
        ++at;
        continue;
      }
      if (marker == kStartOfScan || marker == kEndOfImage) break;
      if (StandsAlone(marker)) {
        at += 2;
        continue;
      }
      if (!ReadAt(at, head)) break;
      const int length = Word(&head[2]);
      // The length counts its own two bytes; the segment must end inside the file.
      if (length < 2 || at + 2 + static_cast<std::uint64_t>(length) > size_) break;
      if (!ReadSegment(marker, at + 4, static_cast<std::size_t>(length - 2))) return header_;
      at += 2 + static_cast<std::uint64_t>(length);
    }
    if (header_.components == 0) return Refuse(JpegRefusal::NoFrameHeader);
    return header_;
  }

 private:
  bool ReadAt(std::uint64_t at, std::span<std::uint8_t> out) {
    return at <= size_ && out.size() <= size_ - at && source_.Read(at, out);
  }

  // Reads what matters in one segment's body; false once the file is refused.
  bool ReadSegment(std::uint8_t marker, std::uint64_t body, std::size_t body_length) {
    if (marker == kJfifSegment) return CheckDensityUnit(body, body_length);
    if (IsFrameHeader(marker)) return ReadFrameHeader(body, body_length);
    if (marker == kAdobeSegment) header_.adobe |= IsAdobeSegment(body, body_length);
    return true;
  }

  // APP14 segments of other writers carry other identifiers.
  bool IsAdobeSegment(std::uint64_t body, std::size_t body_length) {
    std::array<std::uint8_t, 5> identifier{};
    return body_length >= identifier.size() && ReadAt(body, identifier) &&
           std::memcmp(identifier.data(), "Adobe", identifier.size()) == 0;
  }

  // JFIF: identifier "JFIF" and a zero, version (2 bytes), density unit.
  bool CheckDensityUnit(std::uint64_t body, std::size_t body_length) {
    std::array<std::uint8_t, 8> fields{};
    if (body_length < fields.size() || !ReadAt(body, fields)) return true;
    if (std::memcmp(fields.data(), "JFIF", 5) != 0) return true;  // another APP0, e.g. JFXX
    const int unit = fields[7];
    if (unit <= 2) return true;
    header_ = Refuse(JpegRefusal::BadDensityUnit, unit);
    return false;
  }

  // Precision, height, width (2 bytes each but the first), component count.
  bool ReadFrameHeader(std::uint64_t body, std::size_t body_length) {
    std::array<std::uint8_t, 6> fields{};
    if (body_length < fields.size() || !ReadAt(body, fields)) {
      header_ = Refuse(JpegRefusal::NoFrameHeader);
      return false;
    }
    const int components = fields[5];
    if (ColourSpaceName(components)[0] == '\0') {
      header_ = Refuse(JpegRefusal::BadComponentCount, components);
      return false;
    }
    header_.height = Word(&fields[1]);
    header_.width = Word(&fields[3]);
    header_.components = components;
    // A height given later by a DNL segment, or no width, cannot make an image object.
    if (header_.width == 0 || header_.height == 0) {
      header_ = Refuse(JpegRefusal::NoFrameHeader);
      return false;
    }
    return true;
  }

  JpegSource& source_;
  const std::uint64_t size_;
  JpegHeader header_;
};

}  // namespace

JpegHeader ParseJPEG(JpegSource& source) {
  const std::uint64_t size = source.Size();
  if (size < kSmallestFile) return Refuse(JpegRefusal::NotJpeg);
  std::array<std::uint8_t, 2> start{}, end{};
  if (!source.Read(0, start) || !source.Read(size - 2, end)) return Refuse(JpegRefusal::NotJpeg);
  if (start[0] != kMarkerStart || start[1] != kStartOfImage || end[0] != kMarkerStart ||
      end[1] != kEndOfImage) {
    return Refuse(JpegRefusal::BadMarkers);
  }
  return SegmentWalk(source).Run();
}

JpegHeader ParseJPEG(std::span<const std::uint8_t> bytes) {
  MemorySource source(bytes);
  return ParseJPEG(source);
}

const char* ColourSpaceName(int components) {
  switch (components) {
    case 1: return "DeviceGray";
    case 3: return "DeviceRGB";
    case 4: return "DeviceCMYK";
    default: return "";
  }
}

}  // namespace pdf

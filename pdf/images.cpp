// SPDX-License-Identifier: EUPL-1.2
// JPEG images: a file is checked and measured when it is placed, and copied unchanged into
// its image object when the document ends.
#include <fstream>
#include <vector>

#include "pdf/file_names.h"
#include "pdf/format.h"
#include "pdf/jpeg.h"
#include "pdf/vaROR.h"

namespace pdf {
namespace {

// Images are copied through a buffer of this size, never held whole.
constexpr std::size_t kCopyPiece = 64 * 1024;

class JpegFile : public JpegSource {
 public:
  explicit JpegFile(const std::filesystem::path& file) {
    if (!IsRegularFile(file)) return;  // refused unopened, as a file that cannot be opened
    in_.open(file, std::ios::binary);
    std::error_code error;
    std::uint64_t size = std::filesystem::file_size(file, error);
    if (!error && in_) size_ = size;
  }
  std::uint64_t Size() const override { return size_; }
  bool Read(std::uint64_t offset, std::span<std::uint8_t> out) override {
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(offset));
    in_.read(reinterpret_cast<char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return in_.gcount() == static_cast<std::streamsize>(out.size());
  }

 private:
  std::ifstream in_;
  std::uint64_t size_ = 0;  // 0 when the file cannot be opened
};

std::string RefusalReason(const JpegHeader& header) {
  const std::string value = std::to_string(header.refused_value);
  switch (header.refusal) {
    case JpegRefusal::None: break;
    case JpegRefusal::NotJpeg: return "Fichier image non JPEG.";
    case JpegRefusal::BadMarkers:
      return "Marqueur de début JPEG ou marqueur de fin JPEG non valide.";
    case JpegRefusal::BadDensityUnit:
      return "Erreur de résolution d'image , l'Opcode est " + value +
             "Les Opcodes valides sont  0, 1, 2.";
    case JpegRefusal::BadComponentCount:
      return "Nombre de composantes de couleur non supporté : " + value + ".";
    case JpegRefusal::NoFrameHeader: return "En-tête d'image JPEG absent ou non valide.";
  }
  return "";
}

// Compared as written: "PHOTO.JPG" is refused like any other format.
bool IsJpegExtension(const std::string& extension) {
  return extension == "jpg" || extension == "jpeg";
}

// /Length is written before the data: the file must still hold what was measured.
bool IsAsPlaced(const std::filesystem::path& file, std::uint64_t length) {
  std::error_code error;
  return IsRegularFile(file) && std::filesystem::file_size(file, error) == length && !error;
}

PdfError ImageChanged(const std::filesystem::path& file) {
  return PdfError(PdfErrorCode::ImageChanged,
                  "Le fichier image « " + file.string() +
                      " » a été modifié ou supprimé depuis son placement : le fichier PDF n'a "
                      "pas pu être écrit.");
}

}  // namespace

void vaROR::PDFImage(const std::string& pFileName, double X, double Y, double w, double h,
                     const std::string& URLLink) {
  if (!PageIsOpen("PDFImage")) return;
  std::optional<Image> image = ParseJPEG(pFileName);
  if (!image) return;
  const double k = in_Scale;
  // One pixel counts as one point.
  if (w == 0 && h == 0) {
    w = image->width / k;
    h = image->height / k;
  } else if (w == 0) {
    w = h * image->width / image->height;
  } else if (h == 0) {
    h = w * image->height / image->width;
  }
  const int j = ++in_ImageCount;
  tab_Images.resize(static_cast<std::size_t>(j));
  tab_Images.push_back(std::move(*image));
  Composer out(str_PageContent);
  out.Line("q").Number(w * k).Text(" 0 0 ").Number(h * k).Text(" ");
  out.Numbers({X * k, PDFGetPageHeight() - (Y + h) * k})
      .Text(" cm /ImgJPEG")
      .Integer(j)
      .Line(" Do Q");
  // Read by AttachLink for a link of kind "IMAGE".
  in_ImageWidth = w;
  in_ImageHeight = h;
  AttachLink(out, URLLink, "IMAGE", X, Y);
  out.Done();
  in_X = X + w;
  in_Y = Y + h;
}

double vaROR::PDFImageWidth(const std::string& pFileName) {
  std::optional<Image> image = ParseJPEG(pFileName);
  return image ? image->width : 0;
}

double vaROR::PDFImageHeight(const std::string& pFileName) {
  std::optional<Image> image = ParseJPEG(pFileName);
  return image ? image->height : 0;
}

std::optional<vaROR::Image> vaROR::ParseJPEG(const std::string& pFileName) {
  if (!HasJpegName(pFileName)) return std::nullopt;
  const std::filesystem::path file = std::filesystem::absolute(PathFromName(pFileName));
  JpegFile source(file);
  JpegHeader header = pdf::ParseJPEG(source);
  if (header.refusal != JpegRefusal::None) {
    RefuseImage(RefusalReason(header));
    return std::nullopt;
  }
  return Image{file,
               source.Size(),
               header.width,
               header.height,
               ColourSpaceName(header.components),
               header.components == 4 && header.adobe};
}

// The extension is read from the file's own name, so that a point in a folder name does
// not count.
bool vaROR::HasJpegName(const std::string& pFileName) {
  const std::string own_name = PathFromName(pFileName).filename().string();
  const auto point = own_name.rfind('.');
  if (point == std::string::npos) {
    RefuseImage("Le fichier image " + pFileName + " ne possède pas d'extension.");
    return false;
  }
  if (!IsJpegExtension(own_name.substr(point + 1))) {
    RefuseImage("Format d'image non supportée.\r\nSeule les images de types JPG sont supportées.");
    return false;
  }
  return true;
}

void vaROR::RefuseImage(const std::string& reason) {
  ShowCritical(reason + "\r\nImpossible d'inclure l'image dans le fichier PDF.", "Fichier Image");
}

void vaROR::CheckImages() const {
  for (int j = 1; j <= in_ImageCount; ++j) {
    const Image& image = tab_Images[static_cast<std::size_t>(j)];
    if (!IsAsPlaced(image.file, image.length)) throw ImageChanged(image.file);
  }
}

void vaROR::PutImage(int j) {
  const Image& image = tab_Images[static_cast<std::size_t>(j)];
  if (!IsAsPlaced(image.file, image.length)) throw ImageChanged(image.file);
  std::ifstream data(image.file, std::ios::binary);
  if (!data) throw ImageChanged(image.file);
  BeginObject();
  Composer head(str_Object);
  head.Line("<</Type /XObject").Line("/Subtype /Image").Line("/Filter [/DCTDecode ]");
  head.Text("/Width ").Integer(image.width).Line("");
  head.Text("/Height ").Integer(image.height).Line("");
  head.Text("/ColorSpace /").Line(image.colour_space).Line("/BitsPerComponent 8");
  // Readers take CMYK data as ink; Adobe's files store it the other way round.
  if (image.inverted) head.Line("/Decode [1 0 1 0 1 0 1 0]");
  head.Text("/Length ").Integer(static_cast<std::int64_t>(image.length)).Line("");
  head.Text("/Name /ImgJPEG").Integer(j).Line(">>").Line("stream").Done();
  WriteAhead(str_Object);
  str_Object.clear();
  std::vector<char> piece(kCopyPiece);
  for (std::uint64_t left = image.length; left > 0;) {
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(left, piece.size()));
    if (!data.read(piece.data(), static_cast<std::streamsize>(count)))
      throw ImageChanged(image.file);
    WriteAhead(std::string_view(piece.data(), count));
    left -= count;
  }
  Composer tail(str_Object);
  tail.Line("").Line("endstream");  // the line break after the data is outside /Length
  EndObject(tail);
}

}  // namespace pdf

// SPDX-License-Identifier: EUPL-1.2
#include "pdf/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_CID_H
#include FT_TRUETYPE_TABLES_H
#include <hb.h>

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "pdf/face_lookup.h"

namespace pdf {
namespace {

// Faces live as long as the process: writers keep pointers to them.
std::mutex library_mutex;
std::map<std::pair<std::string, unsigned>, std::unique_ptr<FontFace>> open_faces;
std::map<std::string, const FontFace*, std::less<>> standard_faces;
std::map<std::pair<std::string, char32_t>, const FontFace*, std::less<>> fallback_faces;

// Liberation's faces have the standard fonts' metrics.
FaceStyle StyleOf(std::string_view metric_name) {
  const char* family = "Liberation Sans";
  if (metric_name.starts_with("Times")) family = "Liberation Serif";
  if (metric_name.starts_with("Courier")) family = "Liberation Mono";
  const bool bold = metric_name.find("Bold") != std::string_view::npos;
  const bool italic = metric_name.find("Italic") != std::string_view::npos ||
                      metric_name.find("Oblique") != std::string_view::npos;
  return {family, bold, italic};
}

int ToThousandths(FT_Face ft, long units) {
  return static_cast<int>(units * 1000 / static_cast<long>(ft->units_per_EM));
}

FaceMetrics ReadMetrics(FT_Face ft) {
  FaceMetrics m;
  m.bbox[0] = ToThousandths(ft, ft->bbox.xMin);
  m.bbox[1] = ToThousandths(ft, ft->bbox.yMin);
  m.bbox[2] = ToThousandths(ft, ft->bbox.xMax);
  m.bbox[3] = ToThousandths(ft, ft->bbox.yMax);
  m.ascent = ToThousandths(ft, ft->ascender);
  m.descent = ToThousandths(ft, ft->descender);
  m.cap_height = m.ascent;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft, FT_SFNT_OS2));
  if (os2 != nullptr && os2->version >= 2 && os2->sCapHeight > 0) {
    m.cap_height = ToThousandths(ft, os2->sCapHeight);
  }
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(ft, FT_SFNT_POST));
  if (post != nullptr) m.italic_angle = static_cast<double>(post->italicAngle) / 65536.0;
  m.fixed_pitch = FT_IS_FIXED_WIDTH(ft);
  m.italic = (ft->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
  // Readers use the stem width only to imitate the font; a common value by weight will do.
  m.stem_v = (ft->style_flags & FT_STYLE_FLAG_BOLD) != 0 ? 140 : 80;
  if (os2 != nullptr) m.serif = os2->panose[0] == 2 && os2->panose[1] >= 2 && os2->panose[1] <= 10;
  return m;
}

// What only FreeType tells: the descriptor's metrics, the PostScript name, a CFF's CIDs.
bool ReadWithFreeType(FontFace& face) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return false;
  FT_Face ft = nullptr;
  bool ok = FT_New_Face(library, face.file.c_str(), static_cast<FT_Long>(face.index), &ft) == 0;
  if (ok) {
    face.metrics = ReadMetrics(ft);
    const char* name = FT_Get_Postscript_Name(ft);
    face.postscript_name = name != nullptr ? name : "Unnamed";
    FT_Bool cid_keyed = 0;
    if (face.cff && FT_Get_CID_Is_Internally_CID_Keyed(ft, &cid_keyed) == 0 && cid_keyed) {
      face.KeepCids(library, ft);
      return true;
    }
    FT_Done_Face(ft);
  }
  FT_Done_FreeType(library);
  return ok;
}

std::unique_ptr<FontFace> Load(const std::string& file, unsigned index) {
  hb_blob_t* blob = hb_blob_create_from_file_or_fail(file.c_str());
  if (blob == nullptr) return nullptr;
  auto face = std::make_unique<FontFace>();
  face->file = file;
  face->index = index;
  face->face = hb_face_create(blob, index);
  hb_blob_destroy(blob);
  hb_face_make_immutable(face->face);
  hb_blob_t* cff = hb_face_reference_table(face->face, HB_TAG('C', 'F', 'F', ' '));
  face->cff = hb_blob_get_length(cff) > 0;
  hb_blob_destroy(cff);
  face->units_per_em = hb_face_get_upem(face->face);
  if (hb_face_get_glyph_count(face->face) == 0 || !ReadWithFreeType(*face)) return nullptr;
  face->font = hb_font_create(face->face);
  hb_font_make_immutable(face->font);
  return face;
}

const FontFace* OpenLocked(const std::string& file, unsigned index) {
  auto key = std::make_pair(file, index);
  auto found = open_faces.find(key);
  if (found == open_faces.end()) found = open_faces.emplace(key, Load(file, index)).first;
  return found->second.get();
}

const FontFace* MatchLocked(const FaceStyle& style) {
  const std::optional<FaceFile> file = StyleFaceFile(style);
  return file ? OpenLocked(file->file, file->index) : nullptr;
}

const FontFace* CoveringLocked(char32_t character, const FaceStyle& style) {
  for (const FaceFile& file : CoveringFaceFiles(character, style)) {
    const FontFace* face = OpenLocked(file.file, file.index);
    if (face != nullptr && face->Has(character)) return face;
  }
  return nullptr;
}

}  // namespace

FontFace::~FontFace() {
  hb_font_destroy(font);
  hb_face_destroy(face);
  if (cid_face_ != nullptr) FT_Done_Face(cid_face_);
  if (cid_library_ != nullptr) FT_Done_FreeType(cid_library_);
}

void FontFace::KeepCids(FT_LibraryRec_* library, FT_FaceRec_* ft) {
  cid_library_ = library;
  cid_face_ = ft;
}

bool FontFace::Has(char32_t character) const {
  hb_codepoint_t glyph = 0;
  return hb_font_get_nominal_glyph(font, character, &glyph);
}

std::optional<char32_t> FontFace::CharacterOf(std::uint32_t glyph) const {
  std::call_once(characters_built_, [this] {
    hb_set_t* characters = hb_set_create();
    hb_face_collect_unicodes(face, characters);
    hb_codepoint_t character = HB_SET_VALUE_INVALID;
    while (hb_set_next(characters, &character)) {
      hb_codepoint_t nominal = 0;
      if (hb_font_get_nominal_glyph(font, character, &nominal))
        character_of_glyph_.emplace(nominal, static_cast<char32_t>(character));
    }
    hb_set_destroy(characters);
  });
  const auto found = character_of_glyph_.find(glyph);
  if (found == character_of_glyph_.end()) return std::nullopt;
  return found->second;
}

std::uint32_t FontFace::Cid(std::uint32_t glyph) const {
  if (!CidKeyed()) return glyph;
  std::lock_guard lock(cid_mutex_);
  FT_UInt cid = glyph;
  FT_Get_CID_From_Glyph_Index(cid_face_, glyph, &cid);
  return cid;
}

FaceLibrary::FaceLibrary() { StartFaceLookup(); }

// The lookup's start-up (fontconfig's), paid once per process.
FaceLibrary& FaceLibrary::Instance() {
  static FaceLibrary library;
  return library;
}

const FontFace* FaceLibrary::Open(const std::string& file, unsigned index) {
  std::lock_guard lock(library_mutex);
  return OpenLocked(file, index);
}

const FontFace* FaceLibrary::StandardFace(std::string_view metric_name) {
  std::lock_guard lock(library_mutex);
  auto found = standard_faces.find(metric_name);
  if (found == standard_faces.end()) {
    found =
        standard_faces.emplace(std::string(metric_name), MatchLocked(StyleOf(metric_name))).first;
  }
  return found->second;
}

const FontFace* FaceLibrary::FaceFor(char32_t character, std::string_view metric_name) {
  std::lock_guard lock(library_mutex);
  auto key = std::make_pair(std::string(metric_name), character);
  auto found = fallback_faces.find(key);
  if (found == fallback_faces.end()) {
    found = fallback_faces.emplace(key, CoveringLocked(character, StyleOf(metric_name))).first;
  }
  return found->second;
}

}  // namespace pdf

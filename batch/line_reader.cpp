// SPDX-License-Identifier: EUPL-1.2
#include "batch/line_reader.h"

#include <cerrno>
#include <cstring>

namespace batch {
namespace {

constexpr std::size_t kBloc = 64 * 1024;

}  // namespace

LecteurDeLignes::~LecteurDeLignes() {
  if (utf16_ != kAucun) iconv_close(utf16_);
}

// A UTF-16 byte order mark chooses the decoder, which drops the mark.
void LecteurDeLignes::DetecteUtf16() {
  const bool le = brut_.starts_with("\xFF\xFE"), be = brut_.starts_with("\xFE\xFF");
  if (le || be) utf16_ = iconv_open("UTF-8", le ? "UTF-16LE" : "UTF-16BE");
  if (utf16_ != kAucun) brut_.erase(0, 2);
}

void LecteurDeLignes::Decode(const char* octets, std::size_t taille) {
  brut_.append(octets, taille);
  if (premier_) {
    premier_ = false;
    DetecteUtf16();
  }
  if (utf16_ == kAucun) {
    tampon_ += brut_;
    brut_.clear();
    return;
  }
  char sortie[4 * kBloc];
  char* entree = brut_.data();
  std::size_t reste = brut_.size();
  while (reste > 0) {
    char* ecrit = sortie;
    std::size_t place = sizeof sortie;
    const std::size_t fait = iconv(utf16_, &entree, &reste, &ecrit, &place);
    tampon_.append(sortie, static_cast<std::size_t>(ecrit - sortie));
    if (fait != static_cast<std::size_t>(-1) || errno == EINVAL) break;  // EINVAL: cut short
    if (errno == EILSEQ) {  // a lone surrogate: a replacement character, and on
      tampon_ += "\xEF\xBF\xBD";
      entree += 2;
      reste = reste >= 2 ? reste - 2 : 0;
    }
  }
  brut_.erase(0, brut_.size() - reste);
}

bool LecteurDeLignes::Remplit() {
  if (fin_) return false;
  tampon_.erase(0, debut_);
  debut_ = 0;
  char bloc[kBloc];
  errno = 0;
  const std::size_t lus = std::fread(bloc, 1, sizeof bloc, flux_);
  if (lus < sizeof bloc) {
    fin_ = true;
    if (std::ferror(flux_)) erreur_ = errno != 0 ? errno : EIO;
  }
  Decode(bloc, lus);
  return lus > 0;
}

// A line too long comes back at once, empty, with `trop_longue`; the next call skips the rest
// of it and gives its line end alone. A stream without line ends is thus never waited for
// whole before the first refusal.
bool LecteurDeLignes::Suivante(std::string& ligne, bool& trop_longue) {
  trop_longue = false;
  for (;;) {
    const std::size_t fin = tampon_.find_first_of("\r\n", debut_);
    if (saute_ && fin != std::string::npos) {
      saute_ = false;
      debut_ = fin;
      continue;
    }
    if (saute_) {
      debut_ = tampon_.size();
    } else if (fin != std::string::npos && fin - debut_ <= kOctetsParLigne) {
      ligne.assign(tampon_, debut_, fin + 1 - debut_);
      debut_ = fin + 1;
      return true;
    } else if (tampon_.size() - debut_ > kOctetsParLigne) {
      saute_ = trop_longue = true;
      ligne.clear();
      return true;
    }
    if (!Remplit()) break;
  }
  if (debut_ == tampon_.size() || erreur_ != 0) return false;
  ligne.assign(tampon_, debut_);
  debut_ = tampon_.size();
  return true;
}

}  // namespace batch

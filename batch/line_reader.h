// SPDX-License-Identifier: EUPL-1.2
// The evaluations' file as pieces of lines, read once from the start, so that a pipe, a FIFO
// or standard input serve as well as a file: each piece ends at a line feed or a carriage
// return, and holds at most kOctetsParLigne bytes before it; the rest of a longer line is skipped,
// never held. UTF-16 with a byte order mark (Excel's "Unicode text") comes out as UTF-8.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <cstdio>
#include <string>

namespace batch {

constexpr std::size_t kOctetsParLigne = 64 * 1024;

class LecteurDeLignes {
 public:
  // `flux` is read, not closed.
  explicit LecteurDeLignes(std::FILE* flux) : flux_(flux) {}
  ~LecteurDeLignes();
  LecteurDeLignes(const LecteurDeLignes&) = delete;
  LecteurDeLignes& operator=(const LecteurDeLignes&) = delete;

  // The next piece with its line end, if any; false at the end or after a read error.
  // `trop_longue` tells that the line goes on past the bound: the piece is empty, and the
  // next one is the line's end.
  bool Suivante(std::string& ligne, bool& trop_longue);
  // The errno of a read that failed, 0 if none did.
  int Erreur() const { return erreur_; }
  bool Utf16() const { return utf16_ != kAucun; }

 private:
  static inline const iconv_t kAucun = reinterpret_cast<iconv_t>(-1);
  bool Remplit();
  void Decode(const char* octets, std::size_t taille);
  void DetecteUtf16();

  std::FILE* flux_;
  std::string tampon_;  // UTF-8 or the bytes as read, from debut_ on
  std::size_t debut_ = 0;
  std::string brut_;  // UTF-16 bytes not yet decoded: a character cut by the block's end
  bool premier_ = true;
  bool saute_ = false;  // within a line too long
  bool fin_ = false;
  int erreur_ = 0;
  iconv_t utf16_ = kAucun;
};

}  // namespace batch

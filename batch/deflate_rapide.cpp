// SPDX-License-Identifier: EUPL-1.2
// The workbook's sheet of evaluations is zipped after the last line, while nothing else runs:
// ISA-L's fastest level deflates it about four times faster than zlib's, into fewer bytes.
#include "batch/deflate_rapide.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>
#include <zip.h>

namespace batch {
namespace {

static_assert(DeflateRapide::kErreurDeflate == ZIP_INTERNALERROR);

constexpr std::uint32_t kNiveau = 1;
constexpr std::uint32_t kTailleNiveau = ISAL_DEF_LVL1_DEFAULT;
constexpr std::uint32_t kTailleSortie = 64 * 1024;

}  // namespace

DeflateRapide::DeflateRapide(Sortie sortie)
    : sortie_(std::move(sortie)),
      flux_(std::make_unique<isal_zstream>()),
      niveau_(std::make_unique_for_overwrite<std::uint8_t[]>(kTailleNiveau)),
      sortie_tampon_(std::make_unique_for_overwrite<std::uint8_t[]>(kTailleSortie)) {
  isal_deflate_init(flux_.get());
  flux_->level = kNiveau;
  flux_->level_buf = niveau_.get();
  flux_->level_buf_size = kTailleNiveau;
  flux_->gzip_flag = IGZIP_DEFLATE;
}

DeflateRapide::~DeflateRapide() = default;

int DeflateRapide::Ajoute(const void* octets, std::uint32_t taille) {
  const auto* debut = static_cast<const std::uint8_t*>(octets);
  crc_ = crc32_gzip_refl(crc_, debut, taille);
  lus_ += taille;
  return Compresse(debut, taille, false);
}

int DeflateRapide::Termine() { return Compresse(nullptr, 0, true); }

// ISA-L stops when its input is taken or its output full: a full output means more may come.
int DeflateRapide::Compresse(const std::uint8_t* octets, std::uint32_t taille, bool fin) {
  flux_->next_in = const_cast<std::uint8_t*>(octets);
  flux_->avail_in = taille;
  flux_->end_of_stream = fin ? 1 : 0;
  do {
    flux_->next_out = sortie_tampon_.get();
    flux_->avail_out = kTailleSortie;
    if (isal_deflate(flux_.get()) != COMP_OK) return kErreurDeflate;
    const std::size_t produits = kTailleSortie - flux_->avail_out;
    if (produits > 0) {
      const int erreur = sortie_(sortie_tampon_.get(), produits);
      if (erreur != ZIP_OK) return erreur;
    }
  } while (flux_->avail_out == 0);
  if (flux_->avail_in > 0) return kErreurDeflate;
  if (fin && flux_->internal_state.state != ZSTATE_END) return kErreurDeflate;
  return ZIP_OK;
}

}  // namespace batch

// SPDX-License-Identifier: EUPL-1.2
// A raw deflate stream made by ISA-L, for the workbook's parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

struct isal_zstream;

namespace batch {

class DeflateRapide {
 public:
  // Receives each piece of the compressed stream; returns 0, or the error to report.
  using Sortie = std::function<int(const std::uint8_t* octets, std::size_t taille)>;

  explicit DeflateRapide(Sortie sortie);
  ~DeflateRapide();
  DeflateRapide(const DeflateRapide&) = delete;
  DeflateRapide& operator=(const DeflateRapide&) = delete;

  // 0, the output's error, or kErreurDeflate. In pieces that minizip's write takes.
  int Ajoute(const void* octets, std::uint32_t taille);
  int Termine();

  std::uint32_t Crc32() const { return crc_; }
  std::uint64_t TailleLue() const { return lus_; }

  static constexpr int kErreurDeflate = -104;

 private:
  int Compresse(const std::uint8_t* octets, std::uint32_t taille, bool fin);

  Sortie sortie_;
  std::unique_ptr<isal_zstream> flux_;
  std::unique_ptr<std::uint8_t[]> niveau_;
  std::unique_ptr<std::uint8_t[]> sortie_tampon_;
  std::uint32_t crc_ = 0;
  std::uint64_t lus_ = 0;
};

}  // namespace batch

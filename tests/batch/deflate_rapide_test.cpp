// SPDX-License-Identifier: EUPL-1.2
// The workbook's entries deflated by ISA-L: what zlib inflates is what went in, whatever the
// pieces it came in, with zlib's CRC; an output that fails stops the stream with its error.
#include "batch/deflate_rapide.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Inflate(const std::vector<std::uint8_t>& deflate) {
  z_stream flux{};
  if (inflateInit2(&flux, -MAX_WBITS) != Z_OK) return "inflateInit2";
  std::string sortie;
  flux.next_in = const_cast<Bytef*>(deflate.data());
  flux.avail_in = static_cast<uInt>(deflate.size());
  int etat = Z_OK;
  while (etat == Z_OK) {
    char morceau[16384];
    flux.next_out = reinterpret_cast<Bytef*>(morceau);
    flux.avail_out = sizeof morceau;
    etat = inflate(&flux, Z_NO_FLUSH);
    sortie.append(morceau, sizeof morceau - flux.avail_out);
  }
  inflateEnd(&flux);
  return etat == Z_STREAM_END && flux.avail_in == 0 ? sortie : "inflate: " + std::to_string(etat);
}

std::string Lignes(std::size_t taille) {
  std::string xml;
  for (unsigned r = 2; xml.size() < taille; ++r)
    xml += "<row r=\"" + std::to_string(r) + "\"><c r=\"A" + std::to_string(r) +
           "\" t=\"inlineStr\"><is><t>Lefèvre</t></is></c></row>";
  xml.resize(taille);
  return xml;
}

// Incompressible: ISA-L's output fills its buffer many times over.
std::string Hasard(std::size_t taille) {
  std::mt19937 generateur(17);
  std::string octets(taille, '\0');
  for (char& octet : octets) octet = static_cast<char>(generateur());
  return octets;
}

struct Cas {
  const char* nom;
  std::string entree;
  std::size_t morceau;
};

TEST(DeflateRapideTest, InflatesBackWithZlibsCrcTable) {
  const std::vector<Cas> cas = {
      {"vide", "", 1},
      {"un octet", "<", 1},
      {"octet par octet", Lignes(5000), 1},
      {"morceaux impairs", Lignes(300000), 7},
      {"morceaux de libxlsxwriter", Lignes(3 << 20), 16384},
      {"d'un seul bloc", Lignes(3 << 20), 3 << 20},
      {"incompressible", Hasard(300000), 16384},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    std::vector<std::uint8_t> deflate;
    batch::DeflateRapide flux([&](const std::uint8_t* octets, std::size_t taille) {
      deflate.insert(deflate.end(), octets, octets + taille);
      return 0;
    });
    for (std::size_t debut = 0; debut < c.entree.size(); debut += c.morceau) {
      const auto taille = static_cast<std::uint32_t>(std::min(c.morceau, c.entree.size() - debut));
      ASSERT_EQ(flux.Ajoute(c.entree.data() + debut, taille), 0);
    }
    ASSERT_EQ(flux.Termine(), 0);
    EXPECT_EQ(Inflate(deflate), c.entree);
    const auto* octets = reinterpret_cast<const Bytef*>(c.entree.data());
    EXPECT_EQ(flux.Crc32(), crc32(0, octets, static_cast<uInt>(c.entree.size())));
    EXPECT_EQ(flux.TailleLue(), c.entree.size());
  }
}

TEST(DeflateRapideTest, OutputErrorEndsTheStreamWithIt) {
  constexpr int kDisquePlein = -1;
  int appels = 0;
  batch::DeflateRapide flux([&](const std::uint8_t*, std::size_t) {
    ++appels;
    return kDisquePlein;
  });
  const std::string entree = Hasard(200000);
  EXPECT_EQ(flux.Ajoute(entree.data(), static_cast<std::uint32_t>(entree.size())), kDisquePlein);
  EXPECT_EQ(appels, 1);
}

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// The program's own definitions of libxlsxwriter's calls against libxlsxwriter's own: the cell
// names at every boundary of the letters and the digits up to the sheet's last row and column
// (beyond, where libxlsxwriter never names a cell, the name only has to stay in its room); the
// texts said free of control characters exactly when libxlsxwriter's escape leaves them alone.
#include "batch/cell_names.h"
#include "batch/control_characters.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using NommeCellule = void (*)(char*, lxw_row_t, lxw_col_t);

std::string Nom(NommeCellule nomme, lxw_row_t ligne, lxw_col_t colonne) {
  char nom[LXW_MAX_CELL_NAME_LENGTH + 8];
  std::memset(nom, '#', sizeof nom);
  nomme(nom, ligne, colonne);
  // Nothing written past the size libxlsxwriter reserves.
  for (std::size_t i = LXW_MAX_CELL_NAME_LENGTH; i < sizeof nom; ++i)
    if (nom[i] != '#') return "écrit au-delà";
  return nom;
}

TEST(NomDeCelluleTest, SameAsLibxlsxwritersTable) {
  const auto libxlsxwriter = reinterpret_cast<NommeCellule>(dlsym(RTLD_NEXT, "lxw_rowcol_to_cell"));
  ASSERT_NE(libxlsxwriter, nullptr);
  const NommeCellule programme = &batch::NomDeCellule;
  const lxw_row_t lignes[] = {0, 1, 8, 9, 98, 99, 999999, 1000000, LXW_ROW_MAX - 1};
  const lxw_col_t colonnes[] = {0, 1, 24, 25, 26, 27, 51, 52, 701, 702, 703, LXW_COL_MAX - 1};
  for (const lxw_row_t ligne : lignes) {
    for (const lxw_col_t colonne : colonnes) {
      SCOPED_TRACE(std::to_string(ligne) + ", " + std::to_string(colonne));
      EXPECT_EQ(Nom(programme, ligne, colonne), Nom(libxlsxwriter, ligne, colonne));
    }
  }
  EXPECT_EQ(Nom(programme, 0, 0), "A1");
  EXPECT_EQ(Nom(programme, 1048575, 16383), "XFD1048576");
  EXPECT_EQ(Nom(programme, 4294967295u, 65535), "CRXP429496729");
}

TEST(ACaracteresDeControleTest, EveryByteAsLibxlsxwritersEscapeTable) {
  using Echappe = char* (*)(const char*);
  const auto echappe =
      reinterpret_cast<Echappe>(dlsym(RTLD_DEFAULT, "lxw_escape_control_characters"));
  ASSERT_NE(echappe, nullptr);
  for (int octet = 1; octet < 256; ++octet) {
    for (const std::string& texte : {std::string(1, static_cast<char>(octet)),
                                     "Lefèvre " + std::string(1, static_cast<char>(octet)) + "é"}) {
      SCOPED_TRACE(octet);
      char* echappe_par_libxlsxwriter = echappe(texte.c_str());
      ASSERT_NE(echappe_par_libxlsxwriter, nullptr);
      EXPECT_EQ(batch::ACaracteresDeControle(texte.c_str()), texte != echappe_par_libxlsxwriter);
      std::free(echappe_par_libxlsxwriter);
    }
  }
  EXPECT_FALSE(batch::ACaracteresDeControle(""));
  EXPECT_FALSE(batch::ACaracteresDeControle(nullptr));
}

}  // namespace

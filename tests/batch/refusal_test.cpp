// SPDX-License-Identifier: EUPL-1.2
// Each line refused for its own reason, told with its row, column and value while the others
// go on; the exit status says whether everything was printed, some lines refused, or nothing
// could start; the GMP with the regulation's points.
#include <gtest/gtest.h>

#include <algorithm>
#include <locale>
#include <sstream>

#include "batch/sources.h"
#include "batch/summary.h"
#include "batch_run.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

namespace fs = std::filesystem;

// Fields of a line after the file number: identity and 24 empty cells, cell k at 3 + k.
std::vector<std::string> Champs() {
  std::vector<std::string> champs = {"Nom", "Prénom", "Adresse"};
  champs.resize(3 + 24);
  return champs;
}

std::string Ligne(const std::string& dossier, const std::vector<std::string>& champs) {
  std::string ligne = dossier;
  for (const std::string& champ : champs) ligne += ";" + champ;
  return ligne;
}

// The scratch folder's path, which changes at every run, as DIR.
std::string SansDossier(std::string texte, const fs::path& dossier) {
  for (std::size_t at; (at = texte.find(dossier.string())) != std::string::npos;)
    texte.replace(at, dossier.string().size(), "DIR");
  return texte;
}

// The third row after a header and a good line of file number 1 => exit status, standard
// error, standard output, whether the good line's sheet is printed and the refusal is in the
// summary. A folder stands where the sheet of file number 9 would go.
TEST(RefusTest, ToldWithRowColumnAndValueTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/refusals.txt", [](const std::string& ligne) {
    pdftest::ScratchDir dir;
    fs::create_directories(dir.path() / "out" / "9.pdf");
    pdftest::WriteFile(dir.path() / "e.csv",
                       batchtest::Entete() + "\n" + Ligne("1", Champs()) + "\n" + ligne + "\n");
    const auto lancement =
        batchtest::Lance({dir.path() / "e.csv", "--out", dir.path() / "out", "--jobs", "1"});
    const std::string erreur = SansDossier(lancement.erreurs, dir.path());
    const std::string synthese =
        SansDossier(pdftest::ReadFile(dir.path() / "out" / "synthese.csv"), dir.path());
    return std::to_string(lancement.statut) + " " + erreur + " | " + lancement.sortie +
           (fs::exists(dir.path() / "out" / "1.pdf") ? " | 1.pdf" : "") +
           (synthese.find(erreur.substr(0, erreur.find('\n'))) != std::string::npos
                ? " | in the summary"
                : "");
  });
}

// A file number names a sheet: leading zeros name another one, and numbers too long for one
// integer are told apart too. Each number in turn => where it was first seen, if it was.
TEST(DossiersTest, OnlyTheSameNumberAgainIsRefused) {
  const std::pair<std::string, std::optional<std::uint32_t>> suite[] = {
      {"1", {}},
      {"01", {}},
      {"001", {}},
      {"1", 1},
      {"01", 2},
      {"999999999999999999", {}},
      {"0999999999999999999", {}},
      {"999999999999999999", 6},
      {"12345678901234567890", {}},
      {"12345678901234567891", {}},
      {"12345678901234567890", 9},
      {"0999999999999999999", 7},
      {"", {}},
      {"", 13},
      {"553255926290448383", {}},
      {"9999999999999999999", {}},  // as one integer with its 1, it would wrap onto the above
  };
  batch::Dossiers dossiers;
  std::uint32_t ici = 0;
  for (const auto& [dossier, premiere] : suite) {
    EXPECT_EQ(dossiers.Deja(dossier, ++ici), premiere) << "« " << dossier << " », " << ici;
  }
}

// Arguments, DIR for a scratch folder holding in.csv (good), sans_toilette.csv (a column
// missing), fichier (a file) and o/synthese.csv (good) => exit status, then the first line of
// standard output (status 0) or error.
TEST(StatutTest, ExitStatusAndMessageTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/launches.txt", [](const std::string& ligne) {
    pdftest::ScratchDir dir;
    pdftest::WriteFile(dir.path() / "in.csv", batchtest::Entete() + "\n" + Ligne("1", Champs()));
    pdftest::WriteFile(dir.path() / "sans_toilette.csv", "dossier;Toilette du haut\n1;\n");
    pdftest::WriteFile(dir.path() / "fichier", "");
    std::filesystem::create_directories(dir.path() / "o");
    pdftest::WriteFile(dir.path() / "o" / "synthese.csv",
                       batchtest::Entete() + "\n" + Ligne("1", Champs()));
    std::vector<std::string> arguments;
    std::istringstream mots(ligne);
    for (std::string mot; mots >> mot;) {
      if (const auto at = mot.find("DIR"); at != std::string::npos)
        mot.replace(at, 3, dir.path().string());
      arguments.push_back(mot);
    }
    const auto lancement = batchtest::Lance(arguments);
    const std::string texte = lancement.statut == 0 ? lancement.sortie : lancement.erreurs;
    return std::to_string(lancement.statut) + " " +
           SansDossier(texte.substr(0, texte.find('\n')), dir.path());
  });
}

// GIR 2, 4, 4, 6 give 437,5 (the regulation's example); hundredths rounded half up.
TEST(GmpTest, PointsOfTheRegulationTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/gmp.txt", [](const std::string& ligne) {
    std::array<std::size_t, 6> par_gir{};
    std::istringstream nombres(ligne);
    nombres.imbue(std::locale::classic());
    for (std::size_t& n : par_gir) nombres >> n;
    return batch::Gmp(par_gir);
  });
}

}  // namespace

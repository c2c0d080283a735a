// Each line refused for its own reason, told with its row, column and value while the others
// go on; the exit status says whether everything was printed, some lines refused, or nothing
// could start; the GMP with the regulation's points.
#include <gtest/gtest.h>

#include "app/batch/summary.h"
#include "tests/batch/batch_run.h"
#include "tests/pdf/support.h"

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

struct CasRefus {
  const char* nom;
  std::string ligne;  // the third row, after a header and a good line of file number 1
  std::string message;
};

class RefusTest : public testing::TestWithParam<CasRefus> {};

// The refused line is told on standard error and in the summary; the good line is printed.
TEST_P(RefusTest, ToldWithRowColumnAndValue) {
  pdftest::ScratchDir dir;
  // A folder where the sheet of file number 9 would go.
  fs::create_directories(dir.path() / "out" / "9.pdf");
  pdftest::WriteFile(dir.path() / "e.csv", batchtest::Entete() + "\n" + Ligne("1", Champs()) +
                                               "\n" + GetParam().ligne + "\n");
  const auto lancement =
      batchtest::Lance({dir.path() / "e.csv", "--out", dir.path() / "out", "--jobs", "1"});
  EXPECT_EQ(lancement.statut, 1);
  EXPECT_EQ(lancement.erreurs.substr(0, GetParam().message.size()), GetParam().message);
  EXPECT_EQ(lancement.sortie, "2 évaluations, 1 fiche, 1 ligne refusée, GMP 70\n");
  EXPECT_TRUE(fs::exists(dir.path() / "out" / "1.pdf"));
  const std::string motif = GetParam().message.substr(0, GetParam().message.find('\n'));
  EXPECT_NE(pdftest::ReadFile(dir.path() / "out" / "synthese.csv").find(motif), std::string::npos);
}

std::vector<std::string> Avec(int k, const std::string& cellule) {
  auto champs = Champs();
  champs[static_cast<std::size_t>(2 + k)] = cellule;
  return champs;
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, RefusTest,
    testing::Values(
        CasRefus{"unknown_letter", Ligne("2", Avec(6, "SX")),
                 "ligne 3, colonne « Toilette du bas » : « SX » n'est pas une cotation (lettres "
                 "S, T, C, H ou NFP)\n"},
        CasRefus{"letter_twice", Ligne("2", Avec(24, " t T")),
                 "ligne 3, colonne « Activités du temps libre » : « t T » n'est pas une "
                 "cotation (lettres S, T, C, H ou NFP)\n"},
        CasRefus{"file_number_not_digits", Ligne("12A", Champs()),
                 "ligne 3, colonne « dossier » : « 12A » n'est pas un numéro de dossier (des "
                 "chiffres seulement)\n"},
        CasRefus{"file_number_empty", Ligne("", Champs()),
                 "ligne 3, colonne « dossier » : «  » n'est pas un numéro de dossier"},
        CasRefus{"file_number_twice", Ligne(" 1", Champs()),
                 "ligne 3, colonne « dossier » : « 1 » figure déjà ligne 2\n"},
        CasRefus{"fields_missing", "2;Nom;Prénom",
                 "ligne 3 : 3 valeurs au lieu de 28 (une par colonne de l'en-tête)\n"},
        CasRefus{"fields_beyond", Ligne("2", Champs()) + ";x",
                 "ligne 3 : 29 valeurs au lieu de 28 (une par colonne de l'en-tête)\n"},
        CasRefus{"sheet_not_written", Ligne("9", Champs()),
                 "ligne 3 : la fiche « 9.pdf » n'a pas pu être écrite : "}),
    [](const auto& cas) { return std::string(cas.param.nom); });

struct CasStatut {
  const char* nom;
  std::vector<std::string> arguments;  // IN stands for the good file, DIR for a scratch folder
  int statut;
  std::string message;  // the start of standard output (status 0) or error
};

class StatutTest : public testing::TestWithParam<CasStatut> {};

TEST_P(StatutTest, ExitStatusAndMessage) {
  pdftest::ScratchDir dir;
  pdftest::WriteFile(dir.path() / "in.csv", batchtest::Entete() + "\n" + Ligne("1", Champs()));
  pdftest::WriteFile(dir.path() / "sans_toilette.csv", "dossier;Toilette du haut\n1;\n");
  pdftest::WriteFile(dir.path() / "fichier", "");
  std::vector<std::string> arguments;
  for (std::string argument : GetParam().arguments) {
    if (argument.starts_with("DIR")) argument = dir.path().string() + argument.substr(3);
    arguments.push_back(argument);
  }
  const auto lancement = batchtest::Lance(arguments);
  EXPECT_EQ(lancement.statut, GetParam().statut);
  const std::string& texte = lancement.statut == 0 ? lancement.sortie : lancement.erreurs;
  EXPECT_EQ(texte.substr(0, GetParam().message.size()), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Lancements, StatutTest,
    testing::Values(
        CasStatut{"every_sheet",
                  {"DIR/in.csv", "--out=DIR/o"},
                  0,
                  "1 évaluation, 1 fiche, 0 ligne refusée, GMP 70\n"},
        CasStatut{"help", {"--help"}, 0, "Évaluations en nombre, sans fenêtre :\n"},
        CasStatut{"input_missing",
                  {"DIR/absent.csv", "--out", "DIR/o"},
                  2,
                  "aggir --batch : Le fichier « "},
        CasStatut{
            "column_missing", {"DIR/sans_toilette.csv", "--out", "DIR/o"}, 2, "aggir --batch : "},
        CasStatut{"output_is_a_file",
                  {"DIR/in.csv", "--out", "DIR/fichier"},
                  2,
                  "aggir --batch : Le dossier « "},
        CasStatut{"no_output",
                  {"DIR/in.csv"},
                  2,
                  "aggir --batch : Donnez le dossier des fiches et de la synthèse"},
        CasStatut{"jobs_not_a_number",
                  {"DIR/in.csv", "--out", "DIR/o", "--jobs", "0"},
                  2,
                  "aggir --batch : --jobs attend un nombre de 1 à 9999, pas « 0 »."},
        CasStatut{"two_csv",
                  {"DIR/in.csv", "DIR/in.csv", "--out", "DIR/o"},
                  2,
                  "aggir --batch : Donnez un seul fichier CSV"},
        CasStatut{
            "empty_folder_of_sheets", {"DIR", "--out", "DIR/o"}, 0, "0 fiche lue, 0 refusée\n"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// GIR 2, 4, 4, 6 give 437,5 (the regulation's example); hundredths rounded half up.
TEST(GmpTest, PointsOfTheRegulation) {
  using ParGir = std::array<std::size_t, 6>;
  const std::pair<ParGir, const char*> cas[] = {
      {{0, 1, 0, 2, 0, 1}, "437,5"}, {{1, 0, 0, 0, 0, 0}, "1000"},   {{1, 1, 1, 0, 0, 0}, "833,33"},
      {{0, 0, 0, 0, 1, 2}, "130"},   {{0, 0, 1, 0, 0, 2}, "266,67"}, {{}, ""}};
  for (const auto& [par_gir, gmp] : cas) EXPECT_EQ(batch::Gmp(par_gir), gmp);
}

}  // namespace

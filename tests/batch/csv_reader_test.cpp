// Reading evaluation files as spreadsheets export them: separators, code pages, quoting and
// line ends; the header's columns found whatever their order, case and accents; the cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/batch/columns.h"
#include "app/batch/cotation.h"
#include "app/batch/csv_reader.h"
#include "tests/batch/batch_run.h"
#include "tests/pdf/support.h"

namespace {

using Lignes = std::vector<std::pair<int, std::vector<std::string>>>;

struct CasCsv {
  const char* nom;
  std::string octets;
  char separateur;
  bool windows1252;
  Lignes attendu;  // row number and fields of each record
};

class CsvTest : public testing::TestWithParam<CasCsv> {};

// Every record comes back with its row as a spreadsheet numbers it, fields in UTF-8.
TEST_P(CsvTest, RecordsAsTheSpreadsheetShowsThem) {
  const CasCsv& cas = GetParam();
  pdftest::WriteFuzzSeed("csv_reader", cas.nom, cas.octets);
  pdftest::ScratchDir dir;
  pdftest::WriteFile(dir.path() / "e.csv", cas.octets);
  batch::LecteurCsv lecteur(dir.path() / "e.csv");
  ASSERT_TRUE(lecteur.Ouvert());
  EXPECT_EQ(lecteur.Separateur(), cas.separateur);
  EXPECT_EQ(lecteur.Windows1252(), cas.windows1252);
  Lignes lues;
  for (batch::Enregistrement e; lecteur.Suivant(e);) lues.emplace_back(e.ligne, e.champs);
  EXPECT_EQ(lues, cas.attendu);
}

const Lignes kSimple = {{1, {"dossier", "nom"}}, {2, {"1", "Zoé"}}};

INSTANTIATE_TEST_SUITE_P(
    Fichiers, CsvTest,
    testing::Values(
        CasCsv{"semicolon_lf", "dossier;nom\n1;Zoé\n", ';', false, kSimple},
        CasCsv{"comma_crlf_bom",
               "\xEF\xBB\xBF"
               "dossier,nom\r\n1,Zoé\r\n",
               ',', false, kSimple},
        CasCsv{"windows1252", "dossier;nom\r\n1;Zo\xE9\r\n", ';', true, kSimple},
        CasCsv{"windows1252_oe_euro",
               "a\n\x9C"
               "uvre \x80\n",
               ';',
               true,
               {{1, {"a"}}, {2, {"œuvre €"}}}},
        CasCsv{"blanks_around_fields", " dossier ;\tnom \n1 ;  Zoé\n", ';', false, kSimple},
        CasCsv{"quoted_separator_quote_line_break",
               "dossier;adresse\r\n1;\"2 rue; \"\"Lilas\"\"\r\nParis\"\r\n2;x\r\n",
               ';',
               false,
               {{1, {"dossier", "adresse"}},
                {2, {"1", "2 rue; \"Lilas\"\r\nParis"}},
                {3, {"2", "x"}}}},
        CasCsv{"blank_lines_count_no_final_end",
               "a;b\n\n1;2\r\n\r\n3;4",
               ';',
               false,
               {{1, {"a", "b"}}, {3, {"1", "2"}}, {5, {"3", "4"}}}},
        CasCsv{"comma_wins_over_quoted_semicolons",
               "\"a;b;c\",d\n1,2\n",
               ',',
               false,
               {{1, {"a;b;c", "d"}}, {2, {"1", "2"}}}},
        CasCsv{"old_mac_line_ends", "a;b\r1;2\r", ';', false, {{1, {"a", "b"}}, {2, {"1", "2"}}}}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// A header as a user may write it: the columns are found wherever they stand.
struct CasEntete {
  const char* nom;
  std::string (*ecrit)(const std::string&);  // how each column name is written
  bool melange;                              // columns shuffled
};

class EnteteTest : public testing::TestWithParam<CasEntete> {};

TEST_P(EnteteTest, ColumnsFoundInAnyOrderCaseAndAccents) {
  std::vector<std::string> noms = {"dossier", "nom", "prénom", "adresse"};
  noms.insert(noms.end(), batchtest::kLignes.begin(), batchtest::kLignes.end());
  std::vector<std::size_t> ordre(noms.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  if (GetParam().melange) std::shuffle(ordre.begin(), ordre.end(), std::mt19937(7));
  std::vector<std::string> entete;
  for (std::size_t i : ordre) entete.push_back(GetParam().ecrit(noms[i]));
  std::string erreur;
  const batch::Colonnes colonnes = batch::LitEntete(entete, erreur);
  EXPECT_EQ(erreur, "");
  auto place = [&](std::size_t nom) {
    return static_cast<int>(std::find(ordre.begin(), ordre.end(), nom) - ordre.begin());
  };
  EXPECT_EQ(colonnes.dossier, place(0));
  EXPECT_EQ(colonnes.prenom, place(2));
  EXPECT_EQ(colonnes.adresse, place(3));
  for (std::size_t k = 0; k < batchtest::kLignes.size(); ++k) {
    EXPECT_EQ(colonnes.lignes[k], place(k + 4)) << batchtest::kLignes[k];
  }
}

std::string Remplace(std::string texte, const std::string& avant, const std::string& apres) {
  for (std::size_t p; (p = texte.find(avant)) != std::string::npos;)
    texte.replace(p, avant.size(), apres);
  return texte;
}

INSTANTIATE_TEST_SUITE_P(
    Entetes, EnteteTest,
    testing::Values(
        CasEntete{"as_on_the_sheet", [](const std::string& n) { return n; }, false},
        CasEntete{"shuffled", [](const std::string& n) { return n; }, true},
        CasEntete{"upper_case",
                  [](const std::string& n) {
                    std::string m = Remplace(Remplace(n, "é", "É"), "à", "À");
                    std::transform(m.begin(), m.end(), m.begin(), [](unsigned char c) {
                      return static_cast<char>(std::toupper(c));
                    });
                    return m;
                  },
                  true},
        CasEntete{"without_accents",
                  [](const std::string& n) { return Remplace(Remplace(n, "é", "e"), "à", "a"); },
                  true},
        CasEntete{"blanks_and_curly_apostrophe",
                  [](const std::string& n) { return " \xC2\xA0" + Remplace(n, "'", "’") + "\t "; },
                  true}),
    [](const auto& cas) { return std::string(cas.param.nom); });

// A header that cannot be read names the column; the identity but the file number is optional.
TEST(EnteteTest, MissingOrRepeatedColumnsNamed) {
  struct Cas {
    std::vector<std::string> retires, ajoutes;
    std::string erreur;
  };
  const Cas cas[] = {
      {{"Toilette du bas"}, {}, "la colonne « Toilette du bas » manque dans l'en-tête"},
      {{"dossier"}, {}, "la colonne « dossier » manque dans l'en-tête"},
      {{}, {"NOM "}, "la colonne « nom » figure deux fois dans l'en-tête"},
      {{"nom", "prénom", "adresse"}, {"remarques"}, ""},
  };
  for (const Cas& c : cas) {
    std::vector<std::string> entete = {"dossier", "nom", "prénom", "adresse"};
    entete.insert(entete.end(), batchtest::kLignes.begin(), batchtest::kLignes.end());
    for (const auto& r : c.retires) entete.erase(std::find(entete.begin(), entete.end(), r));
    entete.insert(entete.end(), c.ajoutes.begin(), c.ajoutes.end());
    std::string erreur;
    batch::LitEntete(entete, erreur);
    EXPECT_EQ(erreur, c.erreur);
  }
}

// Cells: S T C H in any order and case, blanks ignored, NFP for all four, empty for none.
TEST(CotationTest, LettersNfpOrNothing) {
  const std::pair<const char*, const char*> cas[] = {
      {"", "0000"},       {"S", "0001"},   {"h", "1000"},      {"hcts", "1111"},
      {" t  C ", "0110"}, {"NFP", "1111"}, {"n f p", "1111"},  {"SX", nullptr},
      {"SS", nullptr},    {"NF", nullptr}, {"STCHN", nullptr}, {"é", nullptr}};
  for (const auto& [cellule, bits] : cas) {
    const auto adverbes = batch::LitCotation(cellule);
    if (bits == nullptr) {
      EXPECT_FALSE(adverbes) << cellule;
    } else {
      ASSERT_TRUE(adverbes) << cellule;
      EXPECT_EQ(adverbes->to_string(), bits) << cellule;
    }
  }
}

}  // namespace

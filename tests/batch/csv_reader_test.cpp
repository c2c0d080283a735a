// SPDX-License-Identifier: EUPL-1.2
// Reading evaluation files as spreadsheets export them: separators, code pages, quoting and
// line ends; the header's columns found whatever their order, case and accents; the cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "batch/columns.h"
#include "batch/cotation.h"
#include "batch/csv_reader.h"
#include "batch/sources.h"
#include "batch_run.h"
#include "test_support/files.h"
#include "test_support/golden.h"

namespace {

// "{x*N}" in a case stands for N times x.
std::string Deplie(std::string octets) {
  for (std::size_t at; (at = octets.find("{")) != std::string::npos;) {
    const std::size_t fois = octets.find('*', at), fin = octets.find('}', at);
    std::string repete;
    for (int n = std::stoi(octets.substr(fois + 1, fin - fois - 1)); n > 0; --n)
      repete += octets.substr(at + 1, fois - at - 1);
    octets.replace(at, fin + 1 - at, repete);
  }
  return octets;
}

// "name bytes => separator, code page, then each record: its row and fields, or its refusal".
// Fields over 40 bytes are shown by their size.
TEST(CsvTest, RecordsAsTheSpreadsheetShowsThemTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/csv.txt", [](const std::string& cas) {
    const std::string nom = cas.substr(0, cas.find(' ')),
                      octets = Deplie(cas.substr(nom.size() + 1));
    pdftest::WriteFuzzSeed("csv_reader", nom, octets);
    pdftest::ScratchDir dir;
    pdftest::WriteFile(dir.path() / "e.csv", octets);
    batch::LecteurCsv lecteur(dir.path() / "e.csv");
    std::string lu;
    for (batch::Enregistrement e; lecteur.Suivant(e);) {
      lu += " | " + std::to_string(e.ligne) + ":";
      for (const std::string& champ : e.champs)
        lu += " [" + (champ.size() > 40 ? std::to_string(champ.size()) + " octets" : champ) + "]";
      if (!e.refus.empty()) lu += " refus " + std::to_string(e.colonne) + " " + e.refus;
    }
    lu = std::string(1, lecteur.Separateur()) + (lecteur.Windows1252() ? " cp1252" : "") +
         (lecteur.Utf16() ? " utf16" : "") + lu;
    return lecteur.Ouvert() ? lu : "not opened";
  });
}

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

// "column removed -, column added + => the error": the identity but the file number is
// optional.
TEST(EnteteTest, MissingOrRepeatedColumnsNamedTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/header.txt", [](const std::string& cas) {
    std::vector<std::string> entete = {"dossier", "nom", "prénom", "adresse"};
    entete.insert(entete.end(), batchtest::kLignes.begin(), batchtest::kLignes.end());
    std::istringstream changements(cas);
    for (std::string c; std::getline(changements, c, '|');) {
      if (c[0] == '-') entete.erase(std::find(entete.begin(), entete.end(), c.substr(1)));
      if (c[0] == '+') entete.push_back(c.substr(1));
    }
    std::string erreur;
    batch::LitEntete(entete, erreur);
    return erreur;
  });
}

// A cell => its adverbs H C T S as bits, or "refused".
TEST(CotationTest, LettersNfpOrNothingTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/cotation.txt", [](const std::string& cellule) {
    const auto adverbes = batch::LitCotation(cellule);
    return adverbes ? adverbes->to_string() : "refused";
  });
}

}  // namespace

namespace {

// The surname of one line, quoted as a spreadsheet writes a cell with line breaks.
TEST(IdentiteTest, LineBreaksBecomeBlanksTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/batch/data/identities.txt", [](const std::string& nom) {
    pdftest::ScratchDir dir;
    pdftest::WriteFile(dir.path() / "e.csv",
                       batchtest::Entete() + "\n1;\"" + nom + "\"" + std::string(26, ';') + "\n");
    std::string erreur;
    const auto source = batch::OuvreCsv(dir.path() / "e.csv", erreur);
    batch::Entree entree;
    if (!source || !source->Suivante(entree)) return "not read: " + erreur;
    return "[" + entree.evaluation.nom + "]";
  });
}

}  // namespace

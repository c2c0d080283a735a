// A whole establishment end to end: 240 evaluations whose GIRs the test computes itself from
// the regulation's algorithm, printed with --jobs 2. Every sheet valid, every code, rang and
// GIR of the summary right, the GMP right; a sheet equal to the one the window prints for the
// same evaluation; the summary of the sheets equal to the summary of the file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <regex>
#include <sstream>

#include "calculator/saisie_aggir2.h"
#include "platform/recording_host.h"
#include "tests/batch/batch_run.h"
#include "tests/pdf/support.h"

namespace {

namespace fs = std::filesystem;

// Annexe 2-2 of the code de l'action sociale et des familles: for groups A to H, what each
// of the first eight variables adds when coded C, then when coded B.
constexpr int kSiC[8][8] = {
    {2000, 1200, 40, 40, 60, 100, 800, 200},  {1500, 1200, 40, 40, 60, 100, 800, -80},
    {0, 0, 40, 40, 60, 160, 1000, 400},       {0, 0, 0, 0, 2000, 400, 2000, 200},
    {400, 400, 400, 400, 400, 800, 800, 200}, {200, 200, 500, 500, 500, 500, 500, 200},
    {150, 150, 300, 300, 500, 500, 400, 200}, {0, 0, 3000, 3000, 3000, 3000, 1000, 1000}};
constexpr int kSiB[8][8] = {
    {0, 0, 16, 16, 20, 16, 120, 32},      {320, 120, 16, 16, 0, 16, 120, -40},
    {0, 0, 16, 16, 20, 20, 200, 40},      {0, 0, 0, 0, 200, 200, 200, 0},
    {0, 0, 100, 100, 100, 100, 100, 0},   {100, 100, 100, 100, 100, 100, 100, 0},
    {0, 0, 200, 200, 200, 200, 200, 100}, {0, 0, 2000, 2000, 2000, 2000, 2000, 1000}};
// Tried in this order: the first sum that reaches its minimum gives the rang; else 13.
struct Seuil {
  int groupe, minimum, rang;
};
constexpr Seuil kSeuils[] = {{0, 4380, 1}, {0, 4140, 2}, {0, 3390, 3},  {1, 2016, 4},
                             {2, 1700, 5}, {2, 1432, 6}, {3, 2400, 7},  {4, 1200, 8},
                             {5, 800, 9},  {6, 650, 10}, {7, 4000, 11}, {7, 2000, 12}};
constexpr int kGirDuRang[] = {1, 2, 2, 2, 2, 2, 2, 3, 3, 4, 4, 5, 6};
constexpr int kPoints[] = {1000, 840, 660, 420, 250, 70};  // GMP points of GIR 1..6

// The guide's variables from the 24 activities' A, B, C (annexe 2-1).
std::string Variables(const std::string& r) {  // r[k - 1]: activity k
  auto une_c = [](char a, char b) {
    return a == 'C' || b == 'C' ? 'C' : a == 'B' || b == 'B' ? 'B' : 'A';
  };
  auto toutes = [](const std::string& s) {
    return std::all_of(s.begin(), s.end(), [&](char c) { return c == s[0]; }) ? s[0] : 'B';
  };
  const char alimentation = r[9] == 'A' && r[10] == 'A'                                    ? 'A'
                            : r[9] != 'A' && r[10] != 'A' && (r[9] == 'C' || r[10] == 'C') ? 'C'
                                                                                           : 'B';
  return std::string{une_c(r[0], r[1]),      une_c(r[2], r[3]), toutes(r.substr(4, 2)),
                     toutes(r.substr(6, 3)), alimentation,      une_c(r[11], r[12])} +
         r.substr(13);
}

int Rang(const std::string& variables) {
  for (const Seuil& seuil : kSeuils) {
    int somme = 0;
    for (int v = 0; v < 8; ++v) {
      if (variables[v] == 'C') somme += kSiC[seuil.groupe][v];
      if (variables[v] == 'B') somme += kSiB[seuil.groupe][v];
    }
    if (somme >= seuil.minimum) return seuil.rang;
  }
  return 13;
}

struct Personne {
  std::string dossier, nom, prenom, adresse;
  std::vector<std::string> cellules;  // by activity k at k - 1
  std::string variables;
  int rang, gir;
};

// Persons from autonomous to bedridden, each cell empty, NFP or adverbs in any order and case.
Personne Tire(int i, std::mt19937& alea) {
  static const char* const kNoms[] = {"Lefèvre", "Dupont", "Œuvray", "N'Guyen", "Müller"};
  Personne p{std::to_string(1000 + i),
             kNoms[i % 5],
             i % 2 ? "Zoé" : "Jean-François",
             std::to_string(i) + " rue des Écoles; bât. \"B\"",
             {},
             "",
             0,
             0};
  std::string activites;
  for (int k = 0; k < 24; ++k) {
    std::string cellule;
    int cochees = 0;
    if (static_cast<int>(alea() % 5) < i % 6) {
      // The most dependent have most activities not done at all.
      const auto masque = alea() % 5 < (i % 6 == 5 ? 4u : 1u) ? 15 : 1 + alea() % 15;
      for (int j = 0; j < 4; ++j) {
        if (!(masque >> j & 1)) continue;
        const char lettre = "STCH"[j];
        cellule.insert(cellule.begin() + alea() % (cellule.size() + 1),
                       alea() % 2 ? lettre : static_cast<char>(lettre - 'A' + 'a'));
        ++cochees;
      }
      if (cochees == 4 && alea() % 2) cellule = "nfp";
    }
    p.cellules.push_back(cellule);
    activites += cochees == 0 ? 'A' : cochees == 4 ? 'C' : 'B';
  }
  p.variables = Variables(activites);
  p.rang = Rang(p.variables);
  p.gir = kGirDuRang[p.rang - 1];
  return p;
}

std::vector<std::string> Champs(const std::string& ligne) {
  std::vector<std::string> champs;
  std::istringstream flux(ligne);
  for (std::string champ; std::getline(flux, champ, ';');) champs.push_back(champ);
  if (!ligne.empty() && ligne.back() == ';') champs.emplace_back();
  return champs;
}

std::vector<std::string> Lignes(const std::string& texte) {
  std::vector<std::string> lignes;
  std::istringstream flux(texte);
  for (std::string ligne; std::getline(flux, ligne);)
    lignes.push_back(ligne.substr(0, ligne.find('\r')));
  return lignes;
}

class EndToEndTest : public testing::Test {
 protected:
  static constexpr int kPersonnes = 240;

  // Printed once for all the tests: the columns in an order of their own.
  static void SetUpTestSuite() {
    dir_ = std::make_unique<pdftest::ScratchDir>();
    std::mt19937 alea(2024);
    std::vector<int> ordre(28);
    for (int i = 0; i < 28; ++i) ordre[i] = i;
    std::shuffle(ordre.begin() + 1, ordre.end(), alea);
    auto ligne = [&](const std::vector<std::string>& champs) {
      std::string texte;
      for (int i : ordre) texte += (texte.empty() ? "" : ";") + champs[i];
      return texte + "\r\n";
    };
    std::vector<std::string> entete = {"dossier", "nom", "prénom", "adresse"};
    entete.insert(entete.end(), batchtest::kLignes.begin(), batchtest::kLignes.end());
    std::string csv = ligne(entete);
    for (int i = 0; i < kPersonnes; ++i) {
      personnes_.push_back(Tire(i, alea));
      const Personne& p = personnes_.back();
      // The address quoted, its quotes doubled.
      const std::string adresse = std::regex_replace(p.adresse, std::regex("\""), "\"\"");
      std::vector<std::string> champs = {p.dossier, p.nom, p.prenom, "\"" + adresse + "\""};
      champs.insert(champs.end(), p.cellules.begin(), p.cellules.end());
      csv += ligne(champs);
    }
    pdftest::WriteFile(dir_->path() / "e.csv", csv);
    lancement_ = batchtest::Lance({dir_->path() / "e.csv", "--out", Fiches(), "--jobs", "2"});
  }
  static void TearDownTestSuite() { dir_.reset(); }
  static fs::path Fiches() { return dir_->path() / "b"; }

  static inline std::unique_ptr<pdftest::ScratchDir> dir_;
  static inline std::vector<Personne> personnes_;
  static inline batchtest::Lancement lancement_;
};

TEST_F(EndToEndTest, EverySheetValidEveryGirRightAndTheGmp) {
  ASSERT_EQ(lancement_.statut, 0) << lancement_.erreurs;
  const std::string synthese = pdftest::ReadFile(Fiches() / "synthese.csv");
  ASSERT_TRUE(
      synthese.starts_with("\xEF\xBB\xBF"
                           "dossier;nom;prénom;Cohérence;Orientation;"));
  const std::vector<std::string> lignes = Lignes(synthese.substr(3));
  ASSERT_EQ(lignes.size(), 1 + kPersonnes + 9u);
  int par_gir[6] = {}, points = 0;
  for (int i = 0; i < kPersonnes; ++i) {
    const Personne& p = personnes_[i];
    const std::vector<std::string> champs = Champs(lignes[1 + i]);
    ASSERT_EQ(champs.size(), 25u) << lignes[1 + i];
    std::string codes;
    for (int v = 3; v < 20; ++v) codes += champs[v];
    EXPECT_EQ(codes, p.variables) << p.dossier;
    EXPECT_EQ(champs[0] + " " + champs[20] + " " + champs[21] + " " + champs[23],
              p.dossier + " " + std::to_string(p.rang) + " " + std::to_string(p.gir) + " " +
                  p.dossier + ".pdf");
    ++par_gir[p.gir - 1];
    points += kPoints[p.gir - 1];
  }
  for (int g = 0; g < 6; ++g) {
    EXPECT_GT(par_gir[g], 0) << "no person of GIR " << g + 1;
    EXPECT_EQ(lignes[kPersonnes + 3 + g], std::to_string(g + 1) + ";" + std::to_string(par_gir[g]) +
                                              ";" + std::to_string(kPoints[g]));
  }
  const long centiemes = std::lround(points * 100.0 / kPersonnes);
  std::string gmp = std::to_string(centiemes / 100) + "," + std::to_string(centiemes % 100 / 10) +
                    std::to_string(centiemes % 10);
  while (gmp.back() == '0') gmp.pop_back();
  if (gmp.back() == ',') gmp.pop_back();
  EXPECT_EQ(lignes.back(), "GMP;" + gmp);
  EXPECT_EQ(lancement_.sortie, "240 évaluations, 240 fiches, 0 ligne refusée, GMP " + gmp + "\n");
  const auto controle =
      pdftest::RunTool("for f in '" + Fiches().string() +
                       "'/*.pdf; do qpdf --check \"$f\" >/dev/null || echo \"$f\"; "
                       "done; ls '" +
                       Fiches().string() + "' | wc -l");
  EXPECT_EQ(controle.output, std::to_string(kPersonnes + 1) + "\n");
}

// What the user does in the window for one person: types, ticks, "Calcul du GIR", "Imprimer".
fs::path ImprimeDansLaFenetre(const Personne& p, const fs::path& dossier) {
  platform::RecordingHost host;
  host.program_folder = AGGIR_PROGRAM_DIR;
  host.read_only_folders = {AGGIR_PROGRAM_DIR};
  host.documents_folder = dossier;
  SaisieAggir2 form{host};
  form.Form_Load();
  form.Form_Activate();
  form.TxtNom.Text = p.nom;
  form.TxtPrenom.Text = p.prenom;
  form.TxtDossier_Accepte(p.dossier);
  form.TxtAdresse.Text = p.adresse;
  for (int k = 1; k <= 24; ++k) {
    const std::string& cellule = p.cellules[k - 1];
    if (cellule == "nfp") {
      form.ADV4(100 + k).Value = 1;
      form.ADV4_Click(100 + k);
    }
    for (int j = 1; j <= 4 && cellule != "nfp"; ++j) {
      if (cellule.find_first_of(std::string(1, "STCH"[j - 1]) + "stch"[j - 1]) == std::string::npos)
        continue;
      form.ADV(4 * (k - 1) + j).Value = 1;
      form.ADV_Click(4 * (k - 1) + j);
    }
  }
  form.SSCommand7_Click();
  form.SSCommand1_Click();
  return dossier / (p.dossier + ".pdf");
}

// The creation time and the date printed are the moment's; the folders have names as long.
std::string SansDate(std::string pdf) {
  pdf = std::regex_replace(pdf, std::regex("D:[0-9]{14}"), "D:00000000000000");
  return std::regex_replace(pdf, std::regex("le [0-9]{2}/[0-9]{2}/[0-9]{4}"), "le 00/00/0000");
}

TEST_F(EndToEndTest, SheetEqualToTheWindowsButForFooterPathAndTime) {
  const fs::path fenetre = dir_->path() / "w";
  fs::create_directories(fenetre);
  for (const int i : {5, 11}) {
    const Personne& p = personnes_[i];
    std::string batch = pdftest::ReadFile(Fiches() / (p.dossier + ".pdf"));
    const std::string chemin = Fiches().string();
    for (std::size_t at; (at = batch.find(chemin)) != std::string::npos;) {
      batch.replace(at, chemin.size(), fenetre.string());
    }
    EXPECT_EQ(SansDate(batch), SansDate(pdftest::ReadFile(ImprimeDansLaFenetre(p, fenetre))))
        << p.dossier;
  }
}

TEST_F(EndToEndTest, SummaryOfTheSheetsEqualsTheSummaryOfTheFile) {
  const auto relecture = batchtest::Lance({Fiches(), "--out", dir_->path() / "s"});
  EXPECT_EQ(relecture.statut, 0) << relecture.erreurs;
  EXPECT_EQ(pdftest::ReadFile(dir_->path() / "s" / "synthese.csv"),
            pdftest::ReadFile(Fiches() / "synthese.csv"));
  auto gmp = [](const std::string& bilan) { return bilan.substr(bilan.find(", GMP ")); };
  EXPECT_EQ(relecture.sortie, "240 fiches lues, 0 refusée" + gmp(lancement_.sortie));
}

}  // namespace

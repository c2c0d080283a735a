// SPDX-License-Identifier: EUPL-1.2
// Writes an evaluations' file of N lines for the batch benchmark: file numbers 100000 up,
// French names, an address, and cells from none to NE FAIT PAS, the same for every run. With
// --mixed, one person in ten bears a name that Windows-1252 cannot hold, in turn Vietnamese,
// Arabic, Russian, Polish and Chinese.
//   batch_input N FILE [--mixed]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr const char* kEntete =
    "dossier;nom;prénom;adresse;Cohérence : communication;Cohérence : comportement;"
    "Orientation dans le temps;Orientation dans l'espace;Toilette du haut;Toilette du bas;"
    "Habillage du haut;Habillage moyen;Habillage du bas;Alimentation : se servir;"
    "Alimentation : manger;Elimination urinaire;Elimination fécale;Transferts;"
    "Déplacements à l'intérieur;Déplacements à l'extérieur;Alerter;Gestion;Cuisine;Ménage;"
    "Transports;Achats;Suivi du traitement;Activités du temps libre";
constexpr const char* kCellules[] = {"", "", "", "S", "TC", "SCH", "NFP", "h", "st"};
constexpr const char* kNomFrancais = "Lefèvre;Zoé";
constexpr const char* kAutresNoms[] = {"Nguyễn;Thị Ánh", "عبد الله;محمد", "Ахматова;Анна",
                                       "Wałęsa;Łukasz", "王;秀英"};
constexpr long kUnSurDix = 10;

std::string Nom(long i, bool mixed) {
  if (!mixed || i % kUnSurDix != kUnSurDix - 1) return kNomFrancais;
  return kAutresNoms[i / kUnSurDix % std::size(kAutresNoms)];
}

}  // namespace

int main(int argc, char** argv) {
  const bool mixed = argc == 4 && std::string(argv[3]) == "--mixed";
  if (argc != 3 && !mixed) {
    std::fputs("usage: batch_input N FILE [--mixed]\n", stderr);
    return 2;
  }
  const long lignes = std::atol(argv[1]);
  std::FILE* fichier = std::fopen(argv[2], "wb");
  if (fichier == nullptr) return 1;
  std::fprintf(fichier, "%s\r\n", kEntete);
  std::mt19937 alea(1);
  for (long i = 0; i < lignes; ++i) {
    std::string ligne = std::to_string(100000 + i) + ";" + Nom(i, mixed) + ";\"" +
                        std::to_string(i % 90) + " rue des Écoles; Brest\"";
    for (int k = 0; k < 24; ++k)
      ligne += std::string(";") + kCellules[alea() % std::size(kCellules)];
    std::fprintf(fichier, "%s\r\n", ligne.c_str());
  }
  return std::fclose(fichier) == 0 ? 0 : 1;
}

// SPDX-License-Identifier: EUPL-1.2
#include "calculator/window/layout.h"

#include <stdexcept>
#include <utility>

namespace layout {

namespace {

// By row number k (index k - 1).
constexpr std::array<Row, kRows> kRowTable{{
    {1, "17- Cohérence ", "communication", 23, 1},
    {23, "", "comportement", 24, 1},
    {2, "16- Orientation ", "dans le temps", 21, 2},
    {0, "", "dans l'espace", 22, 2},
    {3, "3- Toilette ", "haut", 3, 3},
    {4, "", "bas", 4, 3},
    {5, "5- Habillage ", "haut", 7, 4},
    {6, "", "moyen", 8, 4},
    {7, "", "bas", 9, 4},
    {8, "7- Alimentation ", "se servir", 11, 5},
    {9, "", "manger", 12, 5},
    {10, "4- Elimination ", "urinaire", 5, 6},
    {11, "", "fécale", 6, 6},
    {12, "1- Transferts", "", 1, 7},
    {13, "2- Déplacements intérieurs", "", 2, 8},
    {14, "11- Déplacements extérieurs", "", 16, 9},
    {15, "10- Alerter", "", 15, 10},
    {16, "15- Gestion", "", 20, 11},
    {17, "6- Cuisine", "", 10, 12},
    {18, "9- Ménage", "", 14, 13},
    {19, "12- Transports", "", 17, 14},
    {20, "14- Achats", "", 19, 15},
    {21, "8- Suivi du traitement", "", 13, 16},
    {22, "13- Activités temps libre", "", 18, 17},
}};

constexpr std::array<int, kRows> kCaptionTops{660,  960,  1275, 1560, 1875, 2160, 2460, 2745,
                                              3030, 3330, 3645, 3930, 4230, 4530, 4830, 5130,
                                              5430, 5730, 6030, 6330, 6645, 6930, 7245, 7530};

std::size_t Checked(int n, int last, const char* what) {
  if (n < 1 || n > last) throw std::out_of_range(std::string(what) + " " + std::to_string(n));
  return static_cast<std::size_t>(n - 1);
}

}  // namespace

const std::array<Command, 6> kCommands{{
    {"CmdFermer", "Quitter", "Quitter et fermer la calculette AGGIR", 0},
    {"BtnSupprimer", "Saisir", "Saisir une nouvelle évaluation", 1650},
    {"SSCommand2", "Vérifier", "Contrôler la vraisemeblance du codage", 3300},
    {"SSCommand1", "Imprimer", "Imprimer une fiche de l'évaluation en cours", 4950},
    {"SSCommand6", "Profil", "Afficher le profil d'autonomie en cours", 6600},
    {"SSCommand4", "Aide = F1", "", 8250},
}};

char AccessKey(const std::string& button_name) {
  static const std::array<std::pair<const char*, char>, 8> kKeys{{{"CmdFermer", 'Q'},
                                                                  {"BtnSupprimer", 'S'},
                                                                  {"SSCommand2", 'V'},
                                                                  {"SSCommand1", 'I'},
                                                                  {"SSCommand6", 'P'},
                                                                  {"SSCommand4", 'A'},
                                                                  {"SSCommand7", 'C'},
                                                                  {"SSCommand3", 'E'}}};
  for (const auto& [name, key] : kKeys) {
    if (button_name == name) return key;
  }
  return 0;
}

const std::array<Field, 4> kIdentityFields{{
    {"TxtNom", "LabelNom", "Nom", 270, 330, 1260, 270, 2595},
    {"TxtPrenom", "LabelPrenom", "Prénom", 4290, 300, 5130, 270, 2190},
    {"TxtDossier", "LabelDossier", "N° dossier", 7770, 300, 8880, 240, 780},
    {"TxtAdresse", "LabelAdresse", "Adresse", 270, 690, 1260, 660, 8415},
}};

const Text kAdverbHeading{" S   T   C   H", {3990, 390, 1335, 255}};
const Text kNeFaitPasHeading{"      NE FAIT PAS", {1920, 420, 1815, 255}};
const Text kNeFaitPasExplanation{
    "NE FAIT PAS :              Ne fait jamais,      même partiellement    et même "
    "difficilement , il faut faire à la place    ou faire faire               ou TOUT REFAIRE",
    {6870, 660, 2445, 2115}};
const Text kCodingInstruction{
    "Si la personne fait,     même difficilement   cochez les cases S T C H quand les "
    "conditions    pour l'adverbe NE SONT PAS REMPLIES",
    {6840, 2580, 2805, 1605}};
const Text kAdverbLegend{
    "S-  Spontanément     T-  Totalement        C-  Correctement    H-  Habituellement",
    {7440, 4290, 2115, 975}};

const Row& RowOf(int k) { return kRowTable[Checked(k, kRows, "row")]; }

std::string CaptionOf(int k) {
  const Row& row = RowOf(k);
  return std::string(row.variable) + row.sub_variable;
}

int RowAt(int screen_position) {
  Checked(screen_position, kRows, "screen position");
  for (int k = 1; k <= kRows; ++k) {
    if (kRowTable[static_cast<std::size_t>(k - 1)].screen_position == screen_position) return k;
  }
  throw std::logic_error("no row at screen position " + std::to_string(screen_position));
}

int RowWithLabel(int index) {
  for (int k = 1; k <= kRows; ++k) {
    if (RowOf(k).label_index == index) return k;
  }
  return 0;
}

int FirstRowOfVariable(int k) { return RowsOf(RowOf(k).variable_index).first; }

int CaptionTop(int screen_position) {
  return kCaptionTops[Checked(screen_position, kRows, "screen position")];
}

}  // namespace layout

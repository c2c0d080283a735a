// SPDX-License-Identifier: EUPL-1.2
#include "calculator/window/profile_layout.h"

namespace layout {

const std::array<Spot, 24> kHotSpots{{
    {1800, 0},    {2460, 90},   {3090, 420},  {3540, 900},  {3570, 1620}, {3510, 2400},
    {3240, 3030}, {2760, 3510}, {2190, 3720}, {1380, 3690}, {750, 3450},  {270, 3000},
    {0, 2400},    {-30, 1740},  {120, 1020},  {510, 510},   {1080, 60},  // chart 1
    {1800, 0},    {3180, 720},  {3570, 2190}, {2730, 3600}, {1020, 3600}, {60, 2280},
    {180, 720},  // chart 2
}};

const std::array<Text, 2> kProfileTitles{{
    {"Activités corporelles et mentales", {4230, 210, 3600, 255}},
    {"Activités domestiques et sociales", {4230, 5610, 3600, 255}},
}};

// Numbers of one digit carry two blanks, so that the names line up.
const std::array<const char*, 24> kProfileLegend{
    "  1. Communication",
    "  2. Comportement",
    "  3. Orientation dans le temps",
    "  4. Orientation dans l'espace",
    "  5. Toilette du haut",
    "  6. Toilette du bas",
    "  7. Habillage du haut",
    "  8. Habillage moyen",
    "  9. Habillage du bas",
    "10. Se servir",
    "11. Manger",
    "12. Elimination urinaire",
    "13. Elimination fécale",
    "14. Transferts",
    "15. Déplacements intérieurs",
    "16. Déplacements extérieurs",
    "17. Alerter",
    "  1. Gestion",
    "  2. Cuisine",
    "  3. Ménage",
    "  4. Transports",
    "  5. Achats",
    "  6. Suivi du traitement",
    "  7. Activités du temps libre",
};

const Text kScaleHeading{"Echelle", {7770, 1020, 1500, 255}};
const std::array<ScaleRow, 5> kScaleRows{{
    {"0", "A"},
    {"25", "B  1 adverbe"},
    {"50", "B  2 adverbes"},
    {"75", "B  3 adverbes"},
    {"100", "C"},
}};
const Text kAdverbsHeading{"Les adverbes", {7770, 3030, 1500, 255}};
const std::array<const char*, 4> kProfileAdverbs{"1  Spontanément", "2  Totalement",
                                                 "3  Correctement", "4  Habituellement"};

// The runs of blanks place the line breaks of the word-wrapped hint.
const std::array<Text, 2> kProfileHints{{
    {"Cliquez sur le graphique pour retourner à l'écran précédent", {7440, 4830, 2460, 735}},
    {"Sur les graphiques en radar déplacez le curseur sur       le numéro de la variable        "
     "à l'extrémité des axes pour afficher le codage en clair de cette variable en bas et  à "
     "droite de chaque radar.",
     {7440, 6180, 2460, 1995}},
}};

}  // namespace layout

// SPDX-License-Identifier: EUPL-1.2
#include "calculator/window/coherence_layout.h"

#include <string>

namespace layout {

namespace {

constexpr const char* kVerifiezDeplacement =
    "Attention... le codage  pour déplacement intérieur est-il bien A ?";

// The run of blanks pushes the last sentence to a line of its own in the word-wrapped label.
const std::string kLabel11Caption =
    std::string(
        "Vous avez codé A \"Déplacement intérieur\" pour une personne ayant des "
        "fonctions supérieures perturbées (\"Cohérence\" et/ou \"Orientation\" codées "
        "C)... Est-ce la réalité ?") +
    std::string(78, ' ') + "Le reste du codage semble cohérent.";

}  // namespace

const Text kCoherenceTitle{"Vérification du codage", {150, 135, 4875, 330}};
const Text kCoherenceIntro{
    "Certaines combinaisons de codages A, B et C pour   les activités corprelles et mentales "
    "ne sont jamais ou que très rarement rencontrées et traduisent le plus souvent une "
    "mauvaise compréhension du modèle.",
    {210, 660, 4695, 1035}};
const std::array<Text, 2> kTitreVerifie{{
    {"Une lourde dégradation des fonctions supérieures ou des fonctions motrices est ainsi peu "
     "compatible avec des activités corporelles parfaitement conservées",
     {240, 1740, 4695, 705}},
    {"Une importante dégradation des activités corporelles s'explique en général par une "
     "atteinte des fonctions supérieures et/ou des fonctions motrices.",
     {240, 1740, 4695, 705}},
}};
const Text kLabel6{"Le codage des activités corporelles ci-dessous est cohérent",
                   {2940, 2010, 1755, 765}};
const Text kLabel11{kLabel11Caption.c_str(), {630, 3570, 3900, 2265}};
const Text kAucuneAnomalie{"      Aucune incohérence      évidente dans cette évaluation",
                           {750, 4080, 3690, 975}};

const Text kLabel9{kVerifiezDeplacement, {300, 1890, 1905, 735}};
const Text kLabel12{
    "Cette situation peut-être réelle ou liée à une sous-estimation de certaines variables. "
    "Vérifiez les réponses aux questions posées pour les QUATRE ADVERBES (attention  à \"spon- "
    "tanément\" et à \"habituellement\"...).",
    {300, 2760, 4185, 1005}};

const Text kLabel7{kVerifiezDeplacement, {330, 750, 1905, 735}};
const Text kParAilleurs{
    "Par ailleurs, le codage C de cohérence ou orientation est peu compatible avec des "
    "déplacements extérieurs, gestion, achats ou suivi du traitement codés A.",
    {60, 1710, 4695, 705}};
const std::array<Stroke, 4> kArrow{{
    {900, 0, 900, 390},
    {2190, 390, 900, 390},
    {2010, 300, 2220, 390},
    {2220, 390, 2010, 480},
}};

// Key functions on the left, body activities on the right, outside activities below them.
const std::array<CodeRow, 12> kCodeRows{{
    {7, false, false, 270},
    {8, false, false, 630},
    {2, false, false, 990},
    {1, false, false, 1340},
    {9, false, true, 270},
    {10, false, true, 630},
    {11, false, true, 990},
    {12, false, true, 1340},
    {3, true, true, 120},
    {4, true, true, 480},
    {5, true, true, 840},
    {6, true, true, 1200},
}};

}  // namespace layout

// SPDX-License-Identifier: EUPL-1.2
// The texts are the grid's own, spellings included.
#include "grid/questions.h"

#include <array>

namespace grid {

namespace {

constexpr const char* kSansAvoirADire =
    "sans avoir à lui dire, à lui rappeler, à lui expliquer, à lui montrer ?";

constexpr Questions kEspace{
    "LA PERSONNE S'ORIENTE DANS L'ESPACE",
    {"sans stimulation, sans médiation et sans indications ?",
     "pour tous les lieux de la vie habituelle et les lieux nouveaux ?",
     "sans erreurs flagrantes ?",
     "sans variation significative dans le temps, sans fluctuations d'un jour sur l'autre ?"}};
constexpr Questions kCommunication{
    "LA PERSONNE COMMUNIQUE",
    {"sans stimulation, sans médiation et sans rappel à l'ordre ?",
     "dans l'ensemble des activités et avec tous les interlocuteurs ?",
     "de façon compréhensible, logique et sensée, confome aux usages admis et acceptés, sans "
     "exigence outre mesure ?",
     "de façon permanente dans le temps ?"}};
constexpr Questions kTemps{
    "LA PERSONNE S'ORIENTE DANS LE TEMPS",
    {"sans stimulation, sans médiation et sans indications ?",
     "pour tous les repères temporels (saisons, journées...) ?", "sans erreurs flagrantes ?",
     "sans variations signifiantes d'un moment à l'autre de la journée, sans fluctuations d'un "
     "jour sur l'autre ?"}};
constexpr Questions kToilette{
    "LA PERSONNE FAIT SEULE SA TOILETTE (DU HAUT OU DU BAS)",
    {kSansAvoirADire, "pour l'ensemble des activités entrant dans ce champ ?",
     "aboutissant à une propreté corporelle satisfaisante et suffisante ?",
     "autant que de besoins ?"}};
constexpr Questions kHabillage{
    "LA PERSONNE S'HABILLE SEULE (HAUT, MOYEN, OU BAS)",
    {kSansAvoirADire,
     "pour tous les actes nécessaires : choisir et préparer les vêtements, les mettre et les "
     "enlever ?",
     "conformément aux usages, dans le bon sens et le bon ordre, adapté aux conditions "
     "météorologiques, au moment, aux activités ?",
     "régulièrement dans le temps, chaque fois que nécessaire ?"}};
constexpr Questions kSeServir{
    "LA PERSONNE SE SERT SEULE",
    {kSansAvoirADire, "pour l'ensemble des divers actes requis ?",
     "dans l'ordre, selon les usages et sans en \"mettre partout\" ?", "à tous les repas ?"}};
constexpr Questions kManger{
    "LA PERSONNE MANGE SEULE",
    {"sans avoir à lui dire, à lui rappeler, à lui expliquer, à lui montrer, à l'orienter ?",
     "pour tous les éléments du repas, y compris les boissons ?",
     "proprement dans le respect des autres, sans fausses routes ?", "à tous les repas ?"}};
constexpr Questions kElimination{
    "LA PERSONNE ASSURE SEULE L'HYGIENE DE L'ELIMINATION (URINAIRE OU FECALE)",
    {kSansAvoirADire, "en effectuant la totalité des actes nécessaires ?",
     "où il faut et comme il faut, dans un lieu ou un ustensile adéquat, sans se salir ?",
     "aussi souvent que de besoins, de jour comme de nuit ?"}};
constexpr Questions kTransferts{
    "LA PERSONNE FAIT SEULE SES TRANSFERTS",
    {kSansAvoirADire, "en assurant l'ensemble des transferts dans les deux sens ?",
     "sans se mettre en danger et en utilisant éventuellement les aides techniques adaptées ?",
     "chaque fois que cela est nécessaire et souhaité ?"}};
constexpr Questions kInterieur{
    "LA PERSONNE SE DEPLACE SEULE A L'INTERIEUR DE SON LIEU DE VIE",
    {"sans avoir à lui dire, à lui rappeler, à lui expliquer, à lui montrer, à l'orienter ?",
     "dans tous les lieux de vie, jusqu'à la porte sur la rue ?",
     "à bon escient et de façon adaptée aux possibilités, sans se mettre en danger ?",
     "chaque fois qu'elle en a le désir ou le besoin ?"}};
constexpr Questions kExterieur{
    "LA PERSONNE SE DEPLACE SEULE A L'EXTERIEUR DE SON LIEU DE VIE",
    {"sans avoir à lui dire, à lui montrer, à lui rappeler de le faire, à lui expliquer "
     "pourquoi et comment faire ?",
     "pour l'ensemble du déplacement, jusqu'au retour au domicile ?",
     "à bon escient, en gérant le parcours, avec un but et de façon adaptée à ses possibilités ?",
     "à chaque fois qu'elle en a le désir ou le besoin ?"}};
constexpr Questions kAlerter{
    "LA PERSONNE UTILISE SEULE UN MOYEN DE COMMUNICATION A DISTANCE POUR ALERTER",
    {"sans avoir à lui dire, à lui montrer, à lui rappeler comment faire ?",
     "avec un moyen approprié pour avoir une réponse à son alerte ?", "à bon escient ?",
     "à tout moment qui serait opportun ?"}};
constexpr Questions kGestion{
    "LA PERSONNE ASSUME SEULE LA GESTION",
    {"sans avoir à lui dire, à lui montrer, à lui rappeler, à lui expliquer ?",
     "pour l'ensemble des activités (gérer les affaires, le budget et les biens, effectuer les "
     "démarches administratives...) ?",
     "à bon escient ?", "à tout moment qui serait opportun ?"}};
constexpr Questions kCuisine{
    "LA PERSONNE PREPARE ET CONDITIONNE SEULE LES REPAS",
    {kSansAvoirADire,
     "pour l'ensemble de la préparation de chacun des différents repas de la journée ?",
     "selon les usages culinaires, ses compétences et ses goûts ?",
     "tous les jours sans tenir compte des repas pris à l'extérieur ?"}};
constexpr Questions kMenage{
    "LA PERSONNE EFFECTUE SEULE LES TRAVAUX MENAGERS",
    {kSansAvoirADire, "pour l'ensemble des tâches constituant cette activité ?",
     "de façon à maintenir dans une propreté normale l'intérieur de la maison, ses habits, la "
     "vaisselle ?",
     "chaque fois que nécessaire, sans variations dans le temps ?"}};
constexpr Questions kTransports{
    "LA PERSONNE UTILISE SEULE LES MOYENS DE TRANSPORT",
    {kSansAvoirADire,
     "sans auto-limitation ou limitation liée à l'environnement (pas de transports, limites "
     "des horaires...) ?",
     "en utilisant le moyen de transport approprié et de façon adéquate en fonction de la "
     "destination ?",
     "à chaque fois qu'elle en a le désir ou le besoin ?"}};
constexpr Questions kAchats{
    "LA PERSONNE EFFECTUE SEULE SES ACHATS",
    {"elle-même ou en faisant exécuter par un tiers à son initiative, sans avoir à lui dire, "
     "lui rappeler, lui expliquer, lui montrer ?",
     "pour l'intégralité de ses achats nécessaires ?",
     "en fonction de ses besoins et de ses moyens financiers ?",
     "chaque fois qu'elle en a le désir ou le besoin ?"}};
constexpr Questions kTraitement{
    "LA PERSONNE ASSUME SEULE LE SUIVI DE SON TRAITEMENT",
    {"sans préparation par un tiers, sans avoir à lui dire de les prendre et comment les "
     "prendre ?",
     "pour l'intégralité des traitements prescrits ?",
     "en suivant la prescription à la lettre, en respectant les doses et le rythme des prises ?",
     "à chaque prise et aussi longtemps que l'indique la prescription ?"}};
constexpr Questions kTempsLibre{
    "LA PERSONNE PRATIQUE VOLONTAIREMENT DES ACTIVIT2S DU TEMPS LIBRE",
    {"en choisissant les activités et en décidant elle-même de les réaliser, sans avoir à lui "
     "dire, à lui rappeler, à lui montrer ?",
     "sans limitation dans ses choix ?", "de manière adaptée à ses désirs et à son état ?",
     "de façon non occasionnelle et avec une certaine régularité ?"}};
constexpr Questions kComportement{
    "LA PERSONNE SE COMPORTE \"NORMALEMENT\"",
    {"sans stimulation, sans médiation et sans intervention de tiers ?",
     "dans l'ensemble des activités et avec tous les interlocuteurs ?",
     "confomément aux convenances et usages admis et acceptés en référence aux normes sociales "
     "et sans exigence outre mesure ?",
     "de façon permanente dans le temps ?"}};

// By row k at index k - 1: the rows of one variable that have no questions of their own share
// their variable's.
constexpr std::array<const Questions*, kRows> kParLigne{
    &kCommunication, &kComportement, &kTemps,      &kEspace,    &kToilette,   &kToilette,
    &kHabillage,     &kHabillage,    &kHabillage,  &kSeServir,  &kManger,     &kElimination,
    &kElimination,   &kTransferts,   &kInterieur,  &kExterieur, &kAlerter,    &kGestion,
    &kCuisine,       &kMenage,       &kTransports, &kAchats,    &kTraitement, &kTempsLibre,
};

}  // namespace

const Questions* QuestionsDeLigne(int k) {
  if (k < 1 || k > kRows) return nullptr;
  return kParLigne[static_cast<std::size_t>(k - 1)];
}

}  // namespace grid

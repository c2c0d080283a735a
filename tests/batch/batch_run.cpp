#include "tests/batch/batch_run.h"

#include <cstdio>

#include "app/batch/batch.h"

namespace batchtest {
namespace {

std::string Contenu(std::FILE* flux) {
  std::rewind(flux);
  std::string texte;
  for (int c; (c = std::fgetc(flux)) != EOF;) texte += static_cast<char>(c);
  std::fclose(flux);
  return texte;
}

}  // namespace

const std::vector<std::string> kLignes = {"Cohérence : communication",
                                          "Cohérence : comportement",
                                          "Orientation dans le temps",
                                          "Orientation dans l'espace",
                                          "Toilette du haut",
                                          "Toilette du bas",
                                          "Habillage du haut",
                                          "Habillage moyen",
                                          "Habillage du bas",
                                          "Alimentation : se servir",
                                          "Alimentation : manger",
                                          "Elimination urinaire",
                                          "Elimination fécale",
                                          "Transferts",
                                          "Déplacements à l'intérieur",
                                          "Déplacements à l'extérieur",
                                          "Alerter",
                                          "Gestion",
                                          "Cuisine",
                                          "Ménage",
                                          "Transports",
                                          "Achats",
                                          "Suivi du traitement",
                                          "Activités du temps libre"};

std::string Entete(char separateur) {
  std::string entete = "dossier";
  for (const char* nom : {"nom", "prénom", "adresse"}) entete += separateur + std::string(nom);
  for (const std::string& ligne : kLignes) entete += separateur + ligne;
  return entete;
}

Lancement Lance(const std::vector<std::string>& arguments) {
  std::FILE* sortie = std::tmpfile();
  std::FILE* erreurs = std::tmpfile();
  const int statut = batch::Lance(arguments, sortie, erreurs);
  return {statut, Contenu(sortie), Contenu(erreurs)};
}

}  // namespace batchtest

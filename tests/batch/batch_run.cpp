// SPDX-License-Identifier: EUPL-1.2
#include "batch_run.h"

#include <cstdio>
#include <fstream>

#include "batch/batch.h"

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

const std::vector<std::string> kLignes = [] {
  std::vector<std::string> lignes;
  std::ifstream noms(AGGIR_SOURCE_DIR "/tests/batch/data/rows.txt");
  for (std::string nom; std::getline(noms, nom);) lignes.push_back(nom);
  return lignes;
}();

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

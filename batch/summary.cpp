// SPDX-License-Identifier: EUPL-1.2
#include "batch/summary.h"

#include <vector>

#include "batch/columns.h"
#include "batch/csv_reader.h"
#include "grid/grid.h"
#include "sheet/sheet.h"

namespace batch {
namespace {

constexpr char kSeparateur = ';';
// Points per GIR for the GMP (code de l'action sociale et des familles, annexe 3-6).
constexpr std::array<int, kGirs> kPoints = {1000, 840, 660, 420, 250, 70};

// Quoted only when the field holds a separator, a quote or a line break.
std::string Champ(const std::string& texte) {
  if (texte.find_first_of(";\"\r\n") == std::string::npos) return texte;
  std::string cite = "\"";
  for (const char c : texte) cite += c == '"' ? std::string("\"\"") : std::string(1, c);
  return cite + '"';
}

std::string Ligne(const std::vector<std::string>& champs) {
  std::string ligne;
  for (std::size_t i = 0; i < champs.size(); ++i) {
    if (i > 0) ligne += kSeparateur;
    ligne += Champ(champs[i]);
  }
  return ligne;
}

std::string EnTete() {
  std::vector<std::string> champs = {"dossier", "nom", "prénom"};
  for (int v = 1; v <= grid::kVariables; ++v) champs.push_back(fiche::VariableDuCode(v));
  for (const char* nom : {"rang", "GIR", "cohérence du codage", "fiche", "motif du refus"}) {
    champs.push_back(nom);
  }
  return Ligne(champs);
}

// The anomalies of the coherence check, in the words of its panel.
std::string Coherence(const coherence::Drapeaux& drapeaux) {
  if (drapeaux.Aucun()) return "aucune incohérence évidente";
  std::string mots;
  auto ajoute = [&mots](bool drapeau, const char* texte) {
    if (!drapeau) return;
    if (!mots.empty()) mots += ", ";
    mots += texte;
  };
  ajoute(drapeaux.conservees, "activités corporelles conservées malgré des fonctions atteintes");
  ajoute(drapeaux.degradees, "activités corporelles dégradées, fonctions conservées");
  ajoute(drapeaux.exterieures, "cohérence ou orientation C, activités extérieures A");
  return mots;
}

}  // namespace

std::string MotifDuRefus(const Entree& entree, const Resultat& resultat) {
  if (!entree.refus.empty()) return entree.refus;
  if (!resultat.refus.empty()) return entree.origine + " : " + resultat.refus;
  return "";
}

std::string Gmp(const std::array<std::size_t, kGirs>& par_gir) {
  std::size_t personnes = 0, points = 0;
  for (std::size_t g = 0; g < par_gir.size(); ++g) {
    personnes += par_gir[g];
    points += par_gir[g] * static_cast<std::size_t>(kPoints[g]);
  }
  if (personnes == 0) return "";
  const std::size_t centiemes = (points * 200 + personnes) / (2 * personnes);
  std::string texte = std::to_string(centiemes / 100);
  const std::size_t reste = centiemes % 100;
  if (reste == 0) return texte;
  texte += ',' + std::to_string(reste / 10);
  if (reste % 10 != 0) texte += std::to_string(reste % 10);
  return texte;
}

bool Synthese::Commence(const std::filesystem::path& dossier, std::string& erreur) {
  chemin_ = dossier / kNomSynthese;
  if (!fichier_.Create(chemin_)) {
    erreur = "La synthèse " + Cite(chemin_.string()) +
             " ne peut pas être créée : " + fichier_.CreationError().message();
    return false;
  }
  fichier_.Write(kBom);
  Ecrit(EnTete());
  return true;
}

void Synthese::Ajoute(const Entree& entree, const Resultat& resultat) {
  ++totaux_.entrees;
  const fiche::Evaluation& evaluation = entree.evaluation;
  std::vector<std::string> champs = {evaluation.dossier, evaluation.nom, evaluation.prenom};
  const std::string refus = MotifDuRefus(entree, resultat);
  if (!refus.empty()) {
    ++totaux_.refusees;
    champs.resize(champs.size() + grid::kVariables + 4);
    champs.push_back(refus);
    Ecrit(Ligne(champs));
    return;
  }
  for (const char code : resultat.codes) champs.emplace_back(1, code);
  const std::string fiche = resultat.fiche.empty() ? entree.fiche : resultat.fiche;
  for (const std::string& champ :
       {resultat.rang, resultat.gir, Coherence(resultat.drapeaux), fiche}) {
    champs.push_back(champ);
  }
  champs.emplace_back();
  Ecrit(Ligne(champs));
  totaux_.fiches += !resultat.fiche.empty();
  ++totaux_.par_gir.at(static_cast<std::size_t>(std::stoi(resultat.gir) - 1));
}

bool Synthese::Termine(std::string& erreur) {
  Ecrit("");
  Ecrit(Ligne({"GIR", "personnes", "points"}));
  for (std::size_t g = 0; g < totaux_.par_gir.size(); ++g) {
    Ecrit(Ligne(
        {std::to_string(g + 1), std::to_string(totaux_.par_gir[g]), std::to_string(kPoints[g])}));
  }
  Ecrit(Ligne({"GMP", Gmp(totaux_.par_gir)}));
  std::error_code publication;
  if (!fichier_.Close() || (publication = fichier_.Publish())) {
    erreur = "La synthèse " + Cite(chemin_.string()) + " n'a pas pu être écrite" +
             (publication ? " : " + publication.message() : "") + ".";
    fichier_.Discard();
    return false;
  }
  return true;
}

}  // namespace batch

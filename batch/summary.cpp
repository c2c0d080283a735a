// SPDX-License-Identifier: EUPL-1.2
#include "batch/summary.h"

#include <utility>
#include <vector>

#include "batch/columns.h"
#include "batch/csv_reader.h"
#include "batch/summary_text.h"
#include "grid/grid.h"
#include "platform/system_reason.h"
#include "sheet/sheet.h"

namespace batch {
namespace {

constexpr char kSeparateur = ';';

std::string Ligne(const std::vector<std::string>& champs) {
  std::string ligne;
  for (std::size_t i = 0; i < champs.size(); ++i) {
    if (i > 0) ligne += kSeparateur;
    ligne += ChampCsv(champs[i]);
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

LigneDeSynthese LigneDe(const Entree& entree, const Resultat& resultat) {
  const fiche::Evaluation& evaluation = entree.evaluation;
  LigneDeSynthese ligne;
  ligne.dossier = evaluation.dossier;
  ligne.nom = evaluation.nom;
  ligne.prenom = evaluation.prenom;
  ligne.refus = MotifDuRefus(entree, resultat);
  if (!ligne.refus.empty()) return ligne;
  ligne.codes = resultat.codes;
  ligne.rang = resultat.rang;
  ligne.gir = resultat.gir;
  ligne.coherence = Coherence(resultat.drapeaux);
  ligne.fiche = resultat.fiche.empty() ? entree.fiche : resultat.fiche;
  return ligne;
}

}  // namespace

std::string MotifDuRefus(const Entree& entree, const Resultat& resultat) {
  if (!entree.refus.empty()) return entree.refus;
  if (!resultat.refus.empty()) return entree.origine + " : " + resultat.refus;
  return "";
}

bool Synthese::Commence(const std::filesystem::path& dossier, std::string& erreur) {
  chemin_ = dossier / kNomSynthese;
  if (!fichier_.Create(chemin_)) {
    erreur = "La synthèse " + Cite(chemin_.string()) +
             " ne peut pas être créée : " + platform::SystemReason(fichier_.CreationError());
    return false;
  }
  fichier_.Write(kBom);
  Ecrit(EnTete());
  return classeur_.Commence(dossier, erreur);
}

// A refused line keeps its identity and gives its reason in the last column.
void Synthese::EcritCsv(const LigneDeSynthese& ligne) {
  std::vector<std::string> champs = {ligne.dossier, ligne.nom, ligne.prenom};
  if (!ligne.refus.empty()) {
    champs.resize(champs.size() + grid::kVariables + 4);
    champs.push_back(ligne.refus);
    Ecrit(Ligne(champs));
    return;
  }
  for (const char code : ligne.codes) champs.emplace_back(1, code);
  for (const std::string* champ : {&ligne.rang, &ligne.gir, &ligne.coherence, &ligne.fiche})
    champs.push_back(*champ);
  champs.emplace_back();
  Ecrit(Ligne(champs));
}

void Synthese::Ajoute(const Entree& entree, const Resultat& resultat) {
  ++totaux_.entrees;
  LigneDeSynthese ligne = LigneDe(entree, resultat);
  EcritCsv(ligne);
  const bool refusee = !ligne.refus.empty();
  classeur_.Ajoute(std::move(ligne));
  if (refusee) {
    ++totaux_.refusees;
    return;
  }
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
  std::error_code echec = fichier_.Close();
  if (!echec) echec = fichier_.Publish();
  if (echec) {
    erreur = "La synthèse " + Cite(chemin_.string()) +
             " n'a pas pu être écrite : " + platform::SystemReason(echec) + ".";
    fichier_.Discard();
    return false;
  }
  return classeur_.Termine(totaux_, erreur);
}

}  // namespace batch

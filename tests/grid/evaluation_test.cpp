// SPDX-License-Identifier: EUPL-1.2
// Every rule reached through the evaluation as a value, without a window: the cases of
// golden/evaluations.txt.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <string>

#include "grid/evaluation.h"
#include "grid/profile.h"
#include "grid/questions.h"
#include "test_support/golden.h"

namespace {

// 24 hexadecimal digits, one per row: S 8, T 4, C 2, H 1.
grid::Evaluation Lue(const std::string& hex) {
  grid::Evaluation evaluation;
  for (int k = 1; k <= grid::kRows && k <= static_cast<int>(hex.size()); ++k) {
    const int digit = std::stoi(hex.substr(static_cast<std::size_t>(k - 1), 1), nullptr, 16);
    for (int j = 1; j <= grid::kAdverbs; ++j) {
      evaluation.Coche(grid::AdverbBox(k, j), (digit >> (grid::kAdverbs - j)) & 1);
    }
  }
  return evaluation;
}

std::string Hex(const grid::Evaluation& evaluation) {
  std::string hex;
  for (int k = 1; k <= grid::kRows; ++k) {
    int digit = 0;
    for (int j = 1; j <= grid::kAdverbs; ++j) {
      digit = digit * 2 + evaluation.Cochee(grid::AdverbBox(k, j));
    }
    hex += "0123456789ABCDEF"[digit];
  }
  return hex;
}

std::string Drapeaux(const coherence::Drapeaux& d) {
  if (d.Aucun()) return "-";
  return std::string(d.conservees ? "conservees " : "") + (d.exterieures ? "exterieures " : "") +
         (d.degradees ? "degradees" : "");
}

std::string Profil(const grid::Evaluation& evaluation) {
  std::string text;
  for (const grid::Rayon& rayon : grid::ProfilDe(evaluation)) {
    text += " " + std::to_string(rayon.pourcent);
    if (rayon.codage.size() > 1) text += "(" + rayon.codage + ")";
  }
  return text;
}

std::string Polygone(int chart, const grid::Evaluation& evaluation) {
  std::string text;
  const auto profil = grid::ProfilDe(evaluation);
  for (const grid::Pixel p : grid::PolygoneDuProfil(profil, chart, {134, 134})) {
    text += " " + std::to_string(p.x) + "," + std::to_string(p.y);
  }
  return text;
}

// "eval HEX", "nfp K on|off HEX", "polygone CHART HEX", "questions K", "dossier 'TEXT'".
std::string Evalue(const std::string& input) {
  std::istringstream in(input);
  in.imbue(std::locale::classic());
  std::string verb, hex, etat, texte;
  int n = 0;
  in >> verb;
  if (verb == "eval") {
    in >> hex;
    const grid::Evaluation evaluation = Lue(hex);
    const grid::Cotation cotation = grid::CotationDe(evaluation);
    const grid::Classement classement = grid::ClassementDe(cotation);
    return cotation.lignes + " " + cotation.variables + " rang " + std::to_string(classement.rang) +
           " GIR " + std::to_string(classement.gir) + " " + Drapeaux(grid::DrapeauxDe(cotation)) +
           " |" + Profil(evaluation);
  }
  if (verb == "nfp") {
    in >> n >> etat >> hex;
    grid::Evaluation evaluation = Lue(hex);
    evaluation.NeFaitPas(n, etat == "on");
    return Hex(evaluation);
  }
  if (verb == "polygone") {
    in >> n >> hex;
    return Polygone(n, Lue(hex));
  }
  if (verb == "questions") {
    in >> n;
    const grid::Questions* questions = grid::QuestionsDeLigne(n);
    return questions ? std::string(questions->titre) + " / " + questions->adverbes[3] : "none";
  }
  std::getline(in.ignore(2), texte, '\'');
  return grid::DossierValide(texte) ? "valid" : "refused";
}

TEST(EvaluationTest, EveryRuleThroughTheValueTable) {
  ExpectTable(AGGIR_SOURCE_DIR "/tests/grid/golden/evaluations.txt", Evalue);
}

}  // namespace

// SPDX-License-Identifier: EUPL-1.2
// Opening a sheet again: the evaluation it carries comes back as if the assessor had typed
// and ticked it, and its GIR is computed as "Calcul du GIR" does.
#include <algorithm>

#include "calculator/saisie_aggir2.h"
#include "sheet/sheet_reader.h"

namespace {

constexpr const char* kTitreChoix = "Ouvrir une fiche d'évaluation";
constexpr const char* kFiltre = "Fiches d'évaluation (*.pdf)";
constexpr const char* kUnSeulFichier =
    "Déposez sur la fenêtre une seule fiche d'évaluation, un fichier de cet ordinateur.";

}  // namespace

void SaisieAggir2::Form_CtrlO() {
  const auto fichier = host_.ChooseFile(kTitreChoix, kFiltre, DossierDesFiches());
  if (fichier) OuvreFiche(*fichier);
}

void SaisieAggir2::Form_DragDrop(const std::vector<std::filesystem::path>& fichiers) {
  if (fichiers.size() != 1 || fichiers.front().empty()) {
    AfficheErreur(kUnSeulFichier);
    return;
  }
  OuvreFiche(fichiers.front());
}

// Everything is checked before the window is touched: the file, the text it carries, and
// the GIR its boxes give by the grid's rules.
void SaisieAggir2::OuvreFiche(const std::filesystem::path& fichier) {
  const fiche::Lecture lecture = fiche::LitFiche(fichier);
  if (lecture.refus != fiche::Refus::Aucun) {
    AfficheErreur(fiche::MessageDeRefus(lecture.refus, fichier));
    return;
  }
  if (EvaluationEnCours() && !RemplacementAccepte(fichier)) return;
  Restaure(lecture.evaluation);
}

bool SaisieAggir2::EvaluationEnCours() const {
  for (const window::TextBox* champ : {&TxtNom, &TxtPrenom, &TxtDossier, &TxtAdresse}) {
    if (!champ->Text.empty()) return true;
  }
  return std::any_of(ADV.begin(), ADV.end(),
                     [](const window::CheckBox& box) { return box.Value == 1; });
}

bool SaisieAggir2::RemplacementAccepte(const std::filesystem::path& fichier) {
  const std::string question = "Remplacer l'évaluation en cours par celle de la fiche « " +
                               fichier.string() + " » ?\r\nCe qui est saisi à l'écran sera perdu.";
  return host_.ShowMessage(question, Caption, platform::MessageIcon::None,
                           platform::MessageButtons::YesNo) == platform::MessageAnswer::Yes;
}

// "Saisir", the identity typed, the boxes ticked (the three-adverb question was answered
// when the sheet was made), "Calcul du GIR".
void SaisieAggir2::Restaure(const grid::Evaluation& evaluation) {
  NouvelleEvaluation();
  TxtDossier.Text = evaluation.dossier;
  TxtNom.Text = evaluation.nom;
  TxtPrenom.Text = evaluation.prenom;
  TxtAdresse.Text = evaluation.adresse;
  evaluation_ = evaluation;
  AfficheCoches();
  ActualiseADV();
  SSCommand7_Click();
  conservee_ = EvaluationAffichee();
}

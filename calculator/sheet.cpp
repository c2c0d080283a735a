// SPDX-License-Identifier: EUPL-1.2
// "Imprimer": the evaluation on screen written as its sheet, then opened.
#include "sheet/sheet.h"

#include "calculator/saisie_aggir2.h"

void SaisieAggir2::SSCommand1_Click() {
  // Without a number the sheet would have no name of its own.
  if (!grid::DossierValide(TxtDossier.Text)) {
    host_.ShowMessage(fiche::kDossierManquant, Caption, platform::MessageIcon::Exclamation,
                      platform::MessageButtons::Ok);
    Focus = &TxtDossier;
    return;
  }
  ImprimeFiche();
}

// Nothing is caught here: a failure of the writer reaches the command, which tells the user;
// the evaluation on screen is untouched and an earlier sheet of the same name stays.
void SaisieAggir2::ImprimeFiche() {
  pdf::vaROR pdf(host_);
  const grid::Evaluation imprimee = EvaluationAffichee();
  fiche::ImprimeFiche(imprimee, DossierDesFiches(), host_.ProgramFolder(), host_.LocalTime(), pdf);
  conservee_ = imprimee;
}

grid::Evaluation SaisieAggir2::EvaluationAffichee() const {
  grid::Evaluation evaluation = evaluation_;
  evaluation.dossier = TxtDossier.Text;
  evaluation.nom = TxtNom.Text;
  evaluation.prenom = TxtPrenom.Text;
  evaluation.adresse = TxtAdresse.Text;
  return evaluation;
}

// The program's folder, as always; when its user cannot write there (an installed copy),
// the documents folder.
std::filesystem::path SaisieAggir2::DossierDesFiches() const {
  const std::filesystem::path programme = host_.ProgramFolder();
  return host_.CanWriteIn(programme) ? programme : host_.DocumentsFolder();
}

// SPDX-License-Identifier: EUPL-1.2
#include "batch/sources.h"

#include <algorithm>

#include "batch/columns.h"
#include "batch/cotation.h"
#include "batch/csv_reader.h"
#include "grid/grid.h"
#include "platform/system_reason.h"
#include "sheet/sheet_reader.h"

namespace batch {
namespace {

namespace fs = std::filesystem;

bool EstNumero(const std::string& texte) {
  return !texte.empty() &&
         std::all_of(texte.begin(), texte.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The window's identity fields hold one line: a line break becomes a blank.
std::string UneLigne(const std::string& texte) {
  std::string ligne;
  for (std::size_t i = 0; i < texte.size(); ++i) {
    const bool crlf = texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n';
    if (crlf) continue;
    ligne += texte[i] == '\r' || texte[i] == '\n' ? ' ' : texte[i];
  }
  return ligne;
}

constexpr std::size_t kChiffresCourts = 18;

// The number read with a 1 before its digits, so that "012" and "12", two sheets, differ.
std::optional<std::uint64_t> Cle(const std::string& dossier) {
  if (dossier.size() > kChiffresCourts) return std::nullopt;
  std::uint64_t valeur = 1;
  for (const char c : dossier) {
    if (c < '0' || c > '9') return std::nullopt;
    valeur = valeur * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return valeur;
}

template <typename Cles>
std::optional<std::uint32_t> Retient(Cles& vus, const typename Cles::key_type& cle,
                                     std::uint32_t ici) {
  const auto [place, nouveau] = vus.try_emplace(cle, ici);
  if (nouveau) return std::nullopt;
  return place->second;
}

class SourceCsv : public Source {
 public:
  SourceCsv(const fs::path& fichier, std::string& erreur) : fichier_(fichier), lecteur_(fichier) {
    Enregistrement entete;
    if (!lecteur_.Ouvert()) {
      erreur = Nom() + " ne peut pas être " + Lu() + " : " +
               platform::SystemReason(lecteur_.Erreur()) + ".";
    } else if (!lecteur_.Suivant(entete)) {
      erreur = Nom() + (lecteur_.Erreur() ? " ne peut pas être " + Lu() + " : " +
                                                platform::SystemReason(lecteur_.Erreur()) + "."
                                          : " est vide.");
    } else if (!entete.refus.empty()) {
      erreur =
          fichier.string() + ", ligne " + std::to_string(entete.ligne) + " : " + entete.refus + ".";
    } else {
      colonnes_ = LitEntete(entete.champs, erreur);
      if (!erreur.empty()) erreur = fichier.string() + ", ligne 1 : " + erreur + ".";
    }
  }

  bool Suivante(Entree& entree) override;
  // Not known before the end: the file is read once, as a stream.
  std::size_t Total() override { return 0; }
  bool Fiches() const override { return false; }
  std::string Erreur() const override {
    if (lecteur_.Erreur() == 0) return "";
    return Nom() + " n'a pas pu être " + Lu() +
           " jusqu'au bout : " + platform::SystemReason(lecteur_.Erreur()) + ".";
  }

 private:
  bool EntreeStandard() const { return fichier_ == kEntreeStandard; }
  std::string Nom() const {
    return EntreeStandard() ? "L'entrée standard" : "Le fichier " + Cite(fichier_.string());
  }
  std::string Lu() const { return EntreeStandard() ? "lue" : "lu"; }
  std::string Refus(const Enregistrement& ligne) const;
  std::string Champ(const Enregistrement& ligne, int colonne) const {
    if (colonne == kAbsente || static_cast<std::size_t>(colonne) >= ligne.champs.size()) return "";
    return ligne.champs[static_cast<std::size_t>(colonne)];
  }
  std::string Colonne(const std::string& origine, int colonne, const std::string& valeur) const {
    return origine + ", colonne " + Cite(NomLisible(colonne)) + " : " + Cite(valeur);
  }
  std::string NomLisible(int colonne) const {
    return Rogne(colonnes_.entete[static_cast<std::size_t>(colonne)]);
  }

  fs::path fichier_;
  LecteurCsv lecteur_;
  Colonnes colonnes_;
  Dossiers dossiers_;
};

bool SourceCsv::Suivante(Entree& entree) {
  Enregistrement ligne;
  if (!lecteur_.Suivant(ligne)) return false;
  entree = {};
  entree.origine = "ligne " + std::to_string(ligne.ligne);
  fiche::Evaluation& evaluation = entree.evaluation;
  evaluation.dossier = Rogne(Champ(ligne, colonnes_.dossier));
  evaluation.nom = UneLigne(Champ(ligne, colonnes_.nom));
  evaluation.prenom = UneLigne(Champ(ligne, colonnes_.prenom));
  evaluation.adresse = UneLigne(Champ(ligne, colonnes_.adresse));
  entree.refus = Refus(ligne);
  for (int k = 1; entree.refus.empty() && k <= grid::kRows; ++k) {
    const int colonne = colonnes_.lignes[static_cast<std::size_t>(k - 1)];
    const auto adverbes = LitCotation(Champ(ligne, colonne));
    if (!adverbes) {
      entree.refus = Colonne(entree.origine, colonne, Champ(ligne, colonne)) +
                     " n'est pas une cotation (lettres S, T, C, H ou NFP)";
    }
    for (std::size_t j = 0; adverbes && j < grid::kAdverbs; ++j) {
      evaluation.adverbes[static_cast<std::size_t>(grid::AdverbBox(k, 1) - 1) + j] = (*adverbes)[j];
    }
  }
  if (entree.refus.empty()) {
    const auto ici = static_cast<std::uint32_t>(ligne.ligne);
    if (const auto premiere = dossiers_.Deja(evaluation.dossier, ici)) {
      entree.refus = Colonne(entree.origine, colonnes_.dossier, evaluation.dossier) +
                     " figure déjà ligne " + std::to_string(*premiere);
    }
  }
  return true;
}

// What the reader refused, the number of fields, then the file number, digits only as the
// window takes it.
std::string SourceCsv::Refus(const Enregistrement& ligne) const {
  const std::string origine = "ligne " + std::to_string(ligne.ligne);
  if (!ligne.refus.empty()) {
    const bool colonne =
        ligne.colonne >= 0 && static_cast<std::size_t>(ligne.colonne) < colonnes_.champs;
    return origine + (colonne ? ", colonne " + Cite(NomLisible(ligne.colonne)) : "") + " : " +
           ligne.refus;
  }
  if (ligne.champs.size() != colonnes_.champs) {
    return origine + " : " + std::to_string(ligne.champs.size()) +
           (ligne.champs.size() > 1 ? " valeurs" : " valeur") + " au lieu de " +
           std::to_string(colonnes_.champs) + " (une par colonne de l'en-tête)";
  }
  const std::string dossier = Champ(ligne, colonnes_.dossier);
  if (!EstNumero(Rogne(dossier))) {
    return Colonne(origine, colonnes_.dossier, dossier) +
           " n'est pas un numéro de dossier (des chiffres seulement)";
  }
  return "";
}

class SourceFiches : public Source {
 public:
  explicit SourceFiches(std::vector<fs::path> fichiers) : fichiers_(std::move(fichiers)) {}
  bool Suivante(Entree& entree) override;
  std::size_t Total() override { return fichiers_.size(); }
  bool Fiches() const override { return true; }

 private:
  std::vector<fs::path> fichiers_;
  std::size_t suivant_ = 0;
  Dossiers dossiers_;
};

// Read as reopening reads them.
bool SourceFiches::Suivante(Entree& entree) {
  if (suivant_ == fichiers_.size()) return false;
  const fs::path& fichier = fichiers_[suivant_++];
  const fiche::Lecture lecture = fiche::LitFiche(fichier);
  entree = {fichier.string(), lecture.evaluation, fiche::MessageDeRefus(lecture.refus, fichier),
            fichier.filename().string()};
  if (entree.refus.empty()) {
    const auto ici = static_cast<std::uint32_t>(suivant_ - 1);
    if (const auto premiere = dossiers_.Deja(entree.evaluation.dossier, ici)) {
      entree.refus = "La fiche " + Cite(entree.origine) + " porte le dossier " +
                     Cite(entree.evaluation.dossier) + ", comme la fiche " +
                     Cite(fichiers_[*premiere].string()) + ".";
    }
  }
  return true;
}

}  // namespace

std::optional<std::uint32_t> Dossiers::Deja(const std::string& dossier, std::uint32_t ici) {
  if (const auto cle = Cle(dossier)) return Retient(courts_, *cle, ici);
  return Retient(longs_, dossier, ici);
}

std::unique_ptr<Source> OuvreCsv(const fs::path& fichier, std::string& erreur) {
  auto source = std::make_unique<SourceCsv>(fichier, erreur);
  if (!erreur.empty()) return nullptr;
  return source;
}

std::unique_ptr<Source> OuvreFiches(std::vector<fs::path> fichiers) {
  return std::make_unique<SourceFiches>(std::move(fichiers));
}

}  // namespace batch

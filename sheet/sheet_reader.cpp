// SPDX-License-Identifier: EUPL-1.2
#include "sheet/sheet_reader.h"

#include <array>
#include <cstdio>

#include "sheet/pdf_keywords.h"

namespace fiche {
namespace {

namespace fs = std::filesystem;

Lecture Refusee(Refus refus) { return {refus, {}}; }

}  // namespace

Lecture LitFiche(const fs::path& fichier) {
  std::error_code erreur;
  const fs::file_type type = fs::status(fichier, erreur).type();
  if (type == fs::file_type::not_found) return Refusee(Refus::Absent);
  if (type == fs::file_type::directory) return Refusee(Refus::Dossier);
  // A pipe or a device would be read without end, or not at all.
  if (type != fs::file_type::regular) return Refusee(Refus::Illisible);
  std::FILE* flux = std::fopen(fichier.c_str(), "rb");
  if (flux == nullptr) return Refusee(Refus::Illisible);
  std::string mots;
  switch (LitMotsCles(flux, fichier.string(), mots)) {
    case LecturePdf::Lue: break;
    case LecturePdf::Protegee: return Refusee(Refus::Protege);
    case LecturePdf::Endommagee: return Refusee(Refus::Endommage);
  }
  Lecture lecture;
  lecture.refus = LitTexteDeFiche(mots, lecture.evaluation);
  return lecture;
}

std::string MessageDeRefus(Refus refus, const fs::path& fichier) {
  struct Message {
    const char* avant;  // the file's name stands between the two, in « »
    const char* apres;
  };
  // By refusal, in the order of Refus.
  static constexpr std::array<Message, 9> kMessages{{
      {"", ""},
      {"Le fichier « ", " » est introuvable."},
      {"« ", " » est un dossier : choisissez une fiche d'évaluation (un fichier PDF)."},
      {"Le fichier « ", " » ne peut pas être lu."},
      {"Le fichier « ", " » est protégé par un mot de passe : la calculette ne peut pas le lire."},
      {"Le fichier « ", " » n'est pas un document PDF lisible : il est endommagé ou tronqué."},
      {"Le fichier « ",
       " » n'est pas une fiche d'évaluation de la calculette AGGIR : il ne contient aucune "
       "évaluation à rouvrir."},
      {"L'évaluation enregistrée dans la fiche « ",
       " » a été modifiée après son impression : elle ne peut pas être rouverte."},
      {"La fiche « ",
       " » a été imprimée par une version plus récente de la calculette AGGIR : installez cette "
       "version pour la rouvrir."},
  }};
  static_assert(kMessages.size() == static_cast<std::size_t>(Refus::FormatPlusRecent) + 1);
  if (refus == Refus::Aucun) return "";
  const Message& message = kMessages.at(static_cast<std::size_t>(refus));
  return message.avant + fichier.string() + message.apres;
}

}  // namespace fiche

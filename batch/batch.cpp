// SPDX-License-Identifier: EUPL-1.2
#include "batch/batch.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <thread>

#include "batch/columns.h"
#include "batch/csv_reader.h"
#include "batch/interruption.h"
#include "batch/run.h"
#include "batch/stale_files.h"
#include "platform/files.h"
#include "platform/system_reason.h"

namespace batch {

const char* const kAide =
    "Évaluations en nombre, sans fenêtre :\n"
    "  aggir --batch EVALUATIONS.csv --out DOSSIER [--jobs N]\n"
    "      Une fiche par ligne dans DOSSIER, nommée par le numéro de dossier comme\n"
    "      « Imprimer » la nomme, et la synthèse DOSSIER/synthese.csv (GIR de chacun,\n"
    "      personnes par GIR, GMP), avec le classeur DOSSIER/synthese.xlsx à côté.\n"
    "      Le fichier CSV a une ligne d'en-tête : « dossier »,\n"
    "      « nom », « prénom », « adresse » (seul « dossier » est obligatoire) et une colonne\n"
    "      par ligne de la grille, nommée comme sur la fiche (« Toilette du bas »). Une case\n"
    "      donne les adverbes non remplis, lettres S, T, C, H, ou NFP pour NE FAIT PAS.\n"
    "  aggir --batch FICHES.pdf... | DOSSIER_DE_FICHES --out DOSSIER [--reprint]\n"
    "      La même synthèse à partir de fiches déjà imprimées ; --reprint les imprime à\n"
    "      nouveau dans DOSSIER.\n"
    "  EVALUATIONS.csv peut être « - », l'entrée standard.\n"
    "  --jobs N   N évaluations à la fois (par défaut, le nombre de processeurs ; au plus\n"
    "             4 par processeur).\n"
    "  Code de sortie : 0 toutes les fiches sont faites, 1 des lignes sont refusées ou la\n"
    "  synthèse n'a pas pu être écrite, 2 rien n'a pu commencer, 130 ou 143 arrêt demandé\n"
    "  (Ctrl+C ou SIGTERM : les fiches en cours sont finies, pas de synthèse).\n";

namespace {

namespace fs = std::filesystem;

struct Options {
  std::vector<fs::path> entrees;
  fs::path sortie;
  unsigned fils = std::max(1u, std::thread::hardware_concurrency());
  bool reimprime = false;
  bool aide = false;
};

bool EstPdf(const fs::path& fichier) {
  std::string extension = fichier.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".pdf";
}

// "--out DIR" or "--out=DIR"; the value, or nothing when it is missing.
std::optional<std::string> Valeur(const std::vector<std::string>& arguments, std::size_t& i,
                                  const std::string& option) {
  const std::string& argument = arguments[i];
  if (argument.starts_with(option + "=")) return argument.substr(option.size() + 1);
  if (argument != option) return std::nullopt;
  if (i + 1 == arguments.size()) return "";
  return arguments[++i];
}

bool LitOptions(const std::vector<std::string>& arguments, Options& options, std::string& erreur) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.aide = true;
    } else if (argument == "--reprint") {
      options.reimprime = true;
    } else if (const auto sortie = Valeur(arguments, i, "--out")) {
      options.sortie = *sortie;
    } else if (const auto fils = Valeur(arguments, i, "--jobs")) {
      const bool nombre = !fils->empty() && fils->size() < 5 &&
                          std::all_of(fils->begin(), fils->end(), ::isdigit) &&
                          std::stoi(*fils) > 0;
      if (!nombre) erreur = "--jobs attend un nombre de 1 à 9999, pas " + Cite(*fils) + ".";
      // More threads than that only wait for the disk and take memory.
      const unsigned utiles = 4 * std::max(1u, std::thread::hardware_concurrency());
      if (nombre) options.fils = std::min(static_cast<unsigned>(std::stoi(*fils)), utiles);
    } else if (argument.starts_with("--")) {
      erreur = "Option inconnue : " + argument + ".";
    } else {
      options.entrees.emplace_back(argument);
    }
    if (!erreur.empty()) return false;
  }
  if (options.aide) return true;
  if (options.entrees.empty())
    erreur = "Donnez un fichier CSV, des fiches ou un dossier de fiches.";
  if (options.sortie.empty())
    erreur = "Donnez le dossier des fiches et de la synthèse : --out DOSSIER.";
  return erreur.empty();
}

// The PDF files of a folder, in name order; nothing, and `erreur` set, when it cannot be read.
std::vector<fs::path> FichesDuDossier(const fs::path& dossier, std::string& erreur) {
  std::vector<fs::path> fiches;
  std::error_code code;
  for (fs::directory_iterator element(dossier, code), fin; !code && element != fin;
       element.increment(code)) {
    if (element->is_regular_file(code) && EstPdf(element->path()))
      fiches.push_back(element->path());
  }
  if (code)
    erreur = "Le dossier " + Cite(dossier.string()) +
             " ne peut pas être lu : " + platform::SystemReason(code) + ".";
  std::sort(fiches.begin(), fiches.end());
  return fiches;
}

// One CSV file ("-" for standard input), or sheets and folders of sheets.
std::unique_ptr<Source> OuvreEntrees(const Options& options, std::string& erreur) {
  std::vector<fs::path> fiches, csv;
  for (const fs::path& entree : options.entrees) {
    std::error_code code;
    if (entree == kEntreeStandard) {
      csv.push_back(entree);
    } else if (!fs::exists(entree, code)) {
      // A folder on the way that may not be read hides the file: not the same as no file.
      erreur = "Le fichier " + Cite(entree.string()) +
               (code ? " ne peut pas être lu : " + platform::SystemReason(code) + "."
                     : " est introuvable.");
      return nullptr;
    } else if (fs::is_directory(entree, code)) {
      const auto dossier = FichesDuDossier(entree, erreur);
      if (!erreur.empty()) return nullptr;
      fiches.insert(fiches.end(), dossier.begin(), dossier.end());
    } else {
      (EstPdf(entree) ? fiches : csv).push_back(entree);
    }
  }
  if (csv.size() > 1 || (csv.size() == 1 && options.entrees.size() > 1)) {
    erreur = "Donnez un seul fichier CSV, ou bien des fiches et des dossiers de fiches.";
    return nullptr;
  }
  if (csv.empty()) return OuvreFiches(std::move(fiches));
  return OuvreCsv(csv.front(), erreur);
}

// A summary written over the file being read would destroy it.
bool EcraseLEntree(const Options& options, std::string& erreur) {
  for (const fs::path& entree : options.entrees) {
    for (const char* nom : {kNomSynthese, kNomClasseur}) {
      std::error_code code;
      if (entree == kEntreeStandard || !fs::equivalent(entree, options.sortie / nom, code))
        continue;
      erreur = "La synthèse " + Cite((options.sortie / nom).string()) +
               " remplacerait le fichier lu : donnez un autre dossier à --out.";
      return true;
    }
  }
  return false;
}

bool PrepareSortie(const fs::path& dossier, std::string& erreur) {
  std::error_code code;
  fs::create_directories(dossier, code);
  if (code) {
    std::error_code ignore;
    const bool fichier = fs::exists(dossier, ignore) && !fs::is_directory(dossier, ignore);
    erreur = "Le dossier " + Cite(dossier.string()) + " ne peut pas être créé : " +
             (fichier ? "un fichier porte déjà ce nom" : platform::SystemReason(code)) + ".";
    return false;
  }
  code = platform::FileCreationErrorIn(dossier);
  if (!code) return true;
  erreur = "Le dossier " + Cite(dossier.string()) +
           " n'accepte pas de fichiers : " + platform::SystemReason(code) + ".";
  return false;
}

std::string Pluriel(std::size_t nombre, const std::string& singulier, const std::string& pluriel) {
  return Milliers(nombre) + " " + (nombre > 1 ? pluriel : singulier);
}

// "1 234 évaluations, 1 230 fiches, 4 lignes refusées, GMP 612,35".
std::string Bilan(const Totaux& totaux, bool depuis_fiches, bool reimprime) {
  std::string bilan;
  if (depuis_fiches) {
    bilan = Pluriel(totaux.entrees, "fiche lue", "fiches lues");
    if (reimprime) bilan += ", " + Pluriel(totaux.fiches, "réimprimée", "réimprimées");
    bilan += ", " + Pluriel(totaux.refusees, "refusée", "refusées");
  } else {
    bilan = Pluriel(totaux.entrees, "évaluation", "évaluations") + ", " +
            Pluriel(totaux.fiches, "fiche", "fiches") + ", " +
            Pluriel(totaux.refusees, "ligne refusée", "lignes refusées");
  }
  const std::string gmp = Gmp(totaux.par_gir);
  return gmp.empty() ? bilan : bilan + ", GMP " + gmp;
}

int Arrete(std::FILE* erreurs, int signal, const char* suite) {
  std::fprintf(erreurs, "aggir --batch : arrêt demandé (%s) : %s\n",
               signal == SIGINT ? "Ctrl+C" : "SIGTERM", suite);
  return 128 + signal;
}

int Impossible(std::FILE* erreurs, const std::string& message) {
  std::fprintf(erreurs, "aggir --batch : %s\n", message.c_str());
  return kImpossible;
}

}  // namespace

int Lance(const std::vector<std::string>& arguments, std::FILE* sortie, std::FILE* erreurs) {
  Options options;
  std::string erreur;
  if (!LitOptions(arguments, options, erreur)) {
    return Impossible(erreurs, erreur + " Voir aggir --help.");
  }
  if (options.aide) {
    std::fputs(kAide, sortie);
    return kToutImprime;
  }
  if (EcraseLEntree(options, erreur)) return Impossible(erreurs, erreur);
  // From here: opening a FIFO may wait for its writer.
  const Interruption interruption;
  std::unique_ptr<Source> source = OuvreEntrees(options, erreur);
  if (const int signal = Interruption::Signal())
    return Arrete(erreurs, signal, "aucune fiche n'est faite.");
  if (!source || !PrepareSortie(options.sortie, erreur)) return Impossible(erreurs, erreur);
  RetireTemporairesAbandonnes(options.sortie);
  Synthese synthese;
  if (!synthese.Commence(options.sortie, erreur)) return Impossible(erreurs, erreur);
  const bool imprime = !source->Fiches() || options.reimprime;
  Progression progression(erreurs, source->Total());
  Execution execution(options.fils);
  execution.Traite(*source, imprime ? &options.sortie : nullptr, synthese, progression);
  progression.Termine();
  if (const int signal = Interruption::Signal())
    return Arrete(erreurs, signal,
                  "les fiches en cours sont finies, aucune synthèse n'est écrite.");
  int statut = kToutImprime;
  for (const std::string& echec : {source->Erreur(), synthese.Termine(erreur) ? "" : erreur}) {
    if (echec.empty()) continue;
    std::fprintf(erreurs, "aggir --batch : %s\n", echec.c_str());
    statut = kLignesRefusees;
  }
  const Totaux& totaux = synthese.Compte();
  std::fprintf(sortie, "%s\n", Bilan(totaux, source->Fiches(), options.reimprime).c_str());
  return totaux.refusees == 0 ? statut : kLignesRefusees;
}

std::optional<int> LanceSiDemande(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) != "--batch") return std::nullopt;
  return Lance(std::vector<std::string>(argv + 2, argv + argc), stdout, stderr);
}

}  // namespace batch

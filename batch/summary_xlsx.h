// SPDX-License-Identifier: EUPL-1.2
// synthese.xlsx, the summary as a workbook that opens right with a double click: typed cells
// (file numbers, names and codes as text; rang, GIR, counts, points and the GMP as numbers),
// a frozen bold header with filters and fitted widths on each sheet; the evaluations, the
// refused lines with their reasons, and the persons per GIR with a chart. No cell is a formula.
// Rows go to disk as they come (libxlsxwriter's constant memory), written by a thread of their
// own; the file is written beside its target under a temporary name and put in place when
// complete.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "batch/summary_line.h"
#include "batch/summary_thread.h"
#include "batch/tmpfile_buffers.h"
#include "batch/totals.h"
#include "platform/output_file.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace batch {

constexpr const char* kNomClasseur = "synthese.xlsx";

class Classeur {
 public:
  Classeur() = default;
  Classeur(const Classeur&) = delete;
  Classeur& operator=(const Classeur&) = delete;
  ~Classeur();

  // Begins the workbook in `dossier`; false, with the reason, when it cannot be created.
  bool Commence(const std::filesystem::path& dossier, std::string& erreur);
  // Queued for the workbook's thread.
  void Ajoute(LigneDeSynthese ligne);
  // The sheet "GIR", then the file put in place; false, with the reason, on failure.
  bool Termine(const Totaux& totaux, std::string& erreur);

 private:
  struct Feuille {
    lxw_worksheet* feuille = nullptr;
    unsigned ligne = 0;                 // the next row
    std::vector<std::size_t> largeurs;  // the widest text of each column, in characters
  };
  Feuille Ajoute(const char* nom, const std::vector<std::string>& entete);
  void Ecrit(const LigneDeSynthese& ligne);
  void Texte(Feuille& feuille, unsigned colonne, const std::string& texte);
  void Nombre(Feuille& feuille, unsigned colonne, double nombre, lxw_format* format = nullptr);
  void Ferme(Feuille& feuille);
  void Graphique();

  platform::OutputFile fichier_;
  std::filesystem::path chemin_;
  lxw_workbook* classeur_ = nullptr;
  lxw_format* gras_ = nullptr;
  lxw_format* centiemes_ = nullptr;
  Feuille evaluations_, refus_, girs_;
  TamponsDeFichiers tampons_;  // outlives the workbook's files
  std::unique_ptr<FilDeLignes> fil_;  // writes evaluations_ and refus_ until Termine
};

}  // namespace batch

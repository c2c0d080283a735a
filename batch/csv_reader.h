// SPDX-License-Identifier: EUPL-1.2
// The records of a CSV file as French spreadsheets export it: separator ";", "," or tab, the
// one the header holds most of; each line UTF-8 when it is, else Windows-1252, or the whole
// file UTF-16 with a byte order mark; fields quoted as RFC 4180 says, with separators, quotes
// and line breaks inside; rows ended by CR LF, LF or CR. Read once, as a stream (a pipe,
// standard input), by libcsv, a few lines at a time; every size bounded, so that memory stays
// flat whatever the input.
#pragma once

#include <csv.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "batch/line_reader.h"

namespace batch {

// The byte order mark a spreadsheet may put before UTF-8 text.
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t kCaracteresParChamp = 1000;
// The name of standard input among the files.
constexpr const char* kEntreeStandard = "-";

struct Enregistrement {
  // The row as a spreadsheet numbers it: the header is row 1, a blank line counts as a row,
  // a quoted line break does not start one.
  int ligne = 0;
  std::vector<std::string> champs;  // UTF-8; blanks around an unquoted field removed
  std::string refus;                // why the row cannot be read as it stands; empty if it can
  int colonne = -1;                 // the field the refusal is about, if one
};

class LecteurCsv {
 public:
  // Nothing is read when the file cannot be opened: see Ouvert() and Erreur().
  explicit LecteurCsv(const std::filesystem::path& fichier);
  ~LecteurCsv();
  LecteurCsv(const LecteurCsv&) = delete;
  LecteurCsv& operator=(const LecteurCsv&) = delete;

  bool Ouvert() const { return lignes_lues_ != nullptr; }
  char Separateur() const { return separateur_; }
  // Whether a line so far was read as Windows-1252, or the file as UTF-16.
  bool Windows1252() const { return windows1252_; }
  bool Utf16() const { return lignes_lues_ && lignes_lues_->Utf16(); }
  // The next record that holds anything, the header first; false at the end of the file.
  bool Suivant(Enregistrement& enregistrement);
  // The errno of the failed open or read, 0 if none failed.
  int Erreur() const { return erreur_; }

 private:
  void Initialise();
  void Entete(std::string& ligne);
  void Lit(std::string ligne, bool trop_longue);
  void Abandonne(const std::string& refus);
  void Fini();
  static void FinDeChamp(void* champ, std::size_t taille, void* lecteur);
  static void FinDeLigne(int fin, void* lecteur);

  std::FILE* flux_ = nullptr;
  std::unique_ptr<LecteurDeLignes> lignes_lues_;
  bool premiere_ = true;  // the BOM, if any, and the separator are on the first line
  bool fini_ = false;
  bool saute_fin_ = false;  // the next piece is the end of a line refused as too long
  char separateur_ = ';';
  bool windows1252_ = false;
  int erreur_ = 0;
  csv_parser parseur_{};
  Enregistrement courant_;
  std::size_t octets_ = 0;  // bytes of the current record so far
  int lignes_ = 0;          // rows ended so far
  int fin_ = 0;             // what ended the last row: CR, LF or -1 at the end of the file
  std::deque<Enregistrement> prets_;
};

}  // namespace batch

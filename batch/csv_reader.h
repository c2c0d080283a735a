// SPDX-License-Identifier: EUPL-1.2
// The records of a CSV file as French spreadsheets export it: separator ";" or ",", the one
// the header holds more of; UTF-8 with or without BOM, or Windows-1252 when the bytes are not
// UTF-8; fields quoted as RFC 4180 says, with separators, quotes and line breaks inside; rows
// ended by CR LF, LF or CR. Read by libcsv, a few lines at a time.
#pragma once

#include <csv.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// The byte order mark a spreadsheet may put before UTF-8 text.
constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Enregistrement {
  // The row as a spreadsheet numbers it: the header is row 1, a blank line counts as a row,
  // a quoted line break does not start one.
  int ligne = 0;
  std::vector<std::string> champs;  // UTF-8; blanks around an unquoted field removed
};

class LecteurCsv {
 public:
  // Nothing is read when the file cannot be opened: see Ouvert().
  explicit LecteurCsv(const std::filesystem::path& fichier);
  ~LecteurCsv();
  LecteurCsv(const LecteurCsv&) = delete;
  LecteurCsv& operator=(const LecteurCsv&) = delete;

  bool Ouvert() const { return ouvert_; }
  char Separateur() const { return separateur_; }
  bool Windows1252() const { return windows1252_; }
  // The next record that holds anything, the header first; false at the end of the file.
  bool Suivant(Enregistrement& enregistrement);

 private:
  void Detecte();
  bool LitLigne(std::string& ligne);
  static void FinDeChamp(void* champ, std::size_t taille, void* lecteur);
  static void FinDeLigne(int fin, void* lecteur);

  std::ifstream flux_;
  bool ouvert_ = false;
  bool premiere_ = true;  // the BOM, if any, is on the first line
  bool fini_ = false;
  char separateur_ = ';';
  bool windows1252_ = false;
  csv_parser parseur_{};
  Enregistrement courant_;
  int lignes_ = 0;  // rows ended so far
  int fin_ = 0;     // what ended the last row: CR, LF or -1 at the end of the file
  std::deque<Enregistrement> prets_;
};

}  // namespace batch

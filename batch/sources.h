// SPDX-License-Identifier: EUPL-1.2
// What the batch command evaluates: the lines of a CSV file or sheets already printed, each
// as an entry that carries its evaluation or the reason it is refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sheet/stored_evaluation.h"

namespace batch {

struct Entree {
  std::string origine;           // "ligne 17", or the sheet's path
  fiche::Evaluation evaluation;  // the identity as read, even when refused
  std::string refus;             // why the entry gives no evaluation; empty when it does
  std::string fiche;             // the file name of the sheet it was read from
};

class Source {
 public:
  virtual ~Source() = default;
  // The next entry; false when there is none left.
  virtual bool Suivante(Entree& entree) = 0;
  // How many entries there are in all, for the progress bar; 0 when not known.
  virtual std::size_t Total() = 0;
  // Whether the entries are printed sheets rather than lines.
  virtual bool Fiches() const = 0;
  // Why the entries stopped before the end of the input, in French; empty when they did not.
  virtual std::string Erreur() const { return ""; }
};

// The lines of a CSV file after its header, "-" for standard input. Nothing, and `erreur`
// set, when the file cannot be read or its header lacks a column.
std::unique_ptr<Source> OuvreCsv(const std::filesystem::path& fichier, std::string& erreur);

// Sheets, in the order given.
std::unique_ptr<Source> OuvreFiches(std::vector<std::filesystem::path> fichiers);

// Where each file number was first seen (a row, a sheet's rank), so that a second one is
// refused. The only memory that grows with the list: a file number of up to 18 digits is
// kept as one integer, not a text.
class Dossiers {
 public:
  // Nothing the first time, when `ici` is kept; where the number was first seen otherwise.
  std::optional<std::uint32_t> Deja(const std::string& dossier, std::uint32_t ici);

 private:
  std::unordered_map<std::uint64_t, std::uint32_t> courts_;
  std::unordered_map<std::string, std::uint32_t> longs_;  // and any other text
};

}  // namespace batch

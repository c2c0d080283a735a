// SPDX-License-Identifier: EUPL-1.2
// The coherence check's rules without the window: the twelve codes it reads, where each comes
// from, and which of the three known anomalies they show.
#pragma once

#include <array>
#include <string>

namespace coherence {

constexpr int kCases = 12;

enum class Groupe {
  FonctionCle,  // Cohérence, Orientation, Transferts, Déplacements intérieurs
  Exterieure,   // outside and domestic activities
  Corporelle,   // body activities
};
enum class Chaine { VD2, VI };  // TxtVD2 or TxtVI

// Slot i (1..12): the code string and position it copies, the caption it is shown with.
struct Case {
  Chaine chaine;
  int position;  // 1-based
  const char* libelle;
  Groupe groupe;
};
const Case& CaseNumero(int i);
bool EstFonctionCle(int i);

// Slot i at index i - 1: one code letter, or an empty string past the end of its source.
using Codes = std::array<std::string, kCases>;
Codes LitCases(const std::string& vd2, const std::string& vi);

struct Drapeaux {
  // 1: a key function C while two body activities or more are A.
  bool conservees = false;
  // 2: Cohérence or Orientation C while an outside activity is A.
  bool exterieures = false;
  // 3: every key function A while the body activities weigh more than 5 (C 3, B 1).
  bool degradees = false;
  bool Aucun() const { return !conservees && !exterieures && !degradees; }
};
// Codes are compared exactly with "A", "B" and "C"; anything else matches none of them.
Drapeaux CalculeDrapeaux(const Codes& cases);

}  // namespace coherence

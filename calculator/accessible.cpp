// SPDX-License-Identifier: EUPL-1.2
#include "calculator/accessible.h"

#include <array>
#include <map>
#include <sstream>

#include "calculator/window/layout.h"
#include "calculator/window/profile_layout.h"
#include "calculator/window/questions_layout.h"
#include "grid/coherence.h"
#include "grid/questions.h"

namespace accessible {
namespace {

constexpr std::array<const char*, 4> kAdverbWords{"spontanément", "totalement", "correctement",
                                                  "habituellement"};

// The window's texts were laid out with runs of blanks; a voice wants single ones.
std::string Collapsed(const std::string& text) {
  std::istringstream words(text);
  std::string word, collapsed;
  while (words >> word) collapsed += (collapsed.empty() ? "" : " ") + word;
  return collapsed;
}

// "3- Toilette " gives "Toilette".
std::string VariableName(int v) {
  const std::string caption = layout::RowOf(layout::RowsOf(v).first).variable;
  const std::size_t dash = caption.find("- ");
  return Collapsed(dash == std::string::npos ? caption : caption.substr(dash + 2));
}

// The row's caption with its variable's name: "Toilette bas", "Transferts".
std::string RowName(int k) {
  const layout::Row& row = layout::RowOf(k);
  const std::string sub_variable = row.sub_variable;
  return VariableName(row.variable_index) + (sub_variable.empty() ? "" : " " + sub_variable);
}

int RowOfCaption(int label_index) {
  for (int k = 1; k <= layout::kRows; ++k) {
    if (layout::RowOf(k).label_index == label_index) return k;
  }
  return 1;
}

std::string AdverbName(int j) {
  const auto a = static_cast<std::size_t>(j - 1);
  return std::string(layout::kAdverbLetters[a]) + " : " + kAdverbWords[a];
}

std::string Question(int k, int j) {
  const grid::Questions* questions = grid::QuestionsDeLigne(k);
  if (!questions) return {};
  return std::string(questions->titre) + " " + questions->adverbes[static_cast<std::size_t>(j - 1)];
}

// "B 12" (B with the adverbs 1 and 2 ticked) gives "B (spontanément, totalement)".
std::string InClear(const std::string& coding) {
  if (coding.size() < 2) return coding;
  std::string adverbs;
  for (const char digit : coding.substr(2)) {
    if (digit < '1' || digit > '4') continue;
    adverbs += (adverbs.empty() ? "" : ", ") + std::string(kAdverbWords[digit - '1']);
  }
  return coding.substr(0, 1) + (adverbs.empty() ? "" : " (" + adverbs + ")");
}

// The codings of the chart's rows in clear: the chart's text equivalent.
std::string ProfileText(const SaisieAggir2& form, int chart) {
  const int first = chart == 1 ? 1 : layout::kSubVariables + 1;
  const int last = chart == 1 ? layout::kSubVariables : layout::kRows;
  std::string text;
  for (int k = first; k <= last; ++k) {
    const std::string coding = InClear(form.ProfilCourant[static_cast<std::size_t>(k - 1)].codage);
    if (coding.empty()) continue;
    text += (text.empty() ? "" : " ; ") +
            Collapsed(layout::kProfileLegend[static_cast<std::size_t>(k - 1)]) + " : " + coding;
  }
  return text;
}

Text Button(const window::Panel& button) {
  for (const layout::Command& command : layout::kCommands) {
    if (button.Name == command.name) return {command.caption, command.tooltip};
  }
  return {button.Caption, ""};
}

Text Field(const SaisieAggir2& form, const window::Control& field) {
  for (const layout::Field& identity : layout::kIdentityFields) {
    if (field.Name == identity.name) return {identity.caption, ""};
  }
  if (&field == &form.TxtGroupe) {
    return {std::string(layout::kResultCaption) + " " + form.TxtGroupe.Text, ""};
  }
  // Never shown: the codes as strings, kept for the procedures.
  static const std::map<std::string, std::string> kHidden{
      {"TxtVD1", "Codes des sous-variables discriminantes"},
      {"TxtVD2", "Codes des variables discriminantes"},
      {"TxtVI", "Codes des variables illustratives"},
      {"TxtADV", "Adverbes cochés"},
      {"TxtRang", "Rang"}};
  const auto hidden = kHidden.find(field.Name);
  return {hidden == kHidden.end() ? std::string() : hidden->second, ""};
}

std::string RowCode(const SaisieAggir2& form, int k) {
  return "Code " + form.CmdVD(k).Caption() + ". ";
}

// A code of the check: its variable, its value, and whether it is one to look at again.
Text Finding(const SaisieAggir2& form, int slot) {
  const coherence::Case& source = coherence::CaseNumero(slot);
  const int v =
      source.position + (source.chaine == coherence::Chaine::VI ? layout::kDiscriminants : 0);
  const window::Label& box = form.TxtDE(slot);
  return {VariableName(v) + " : " + box.Caption() +
              (box.BackColor == window::kPaleRed ? ", à vérifier" : ""),
          ""};
}

// The containers, named for what they hold (a frame's own caption, " AGGIR", would otherwise
// name every control in it without a name of its own).
const std::map<std::string, std::string>& ContainerNames() {
  static const std::map<std::string, std::string> kNames{
      {"Panel3D11", "Commandes"},
      {"Frame1", "Identité"},
      {"Panel2", "Grille AGGIR"},
      {"PanelCalculGIR", "Résultat"},
      {"PanelCoherence", "Vérification du codage"},
      {"PanelAnomalies1", "Fonctions clés et activités corporelles"},
      {"PanelAnomalies2", "Activités domestiques"},
      {"PanelQuestions", "Questions de l'activité"},
      {"PanelProfil", "Profil d'autonomie"},
      {"Image1", "Illustration"},
      {"CadreEchelle", "Échelle"},
      {"Fleche", "Flèche"}};
  return kNames;
}

Text Grid(const SaisieAggir2& form, const window::Control& control) {
  const int i = control.Index;
  // A box says its row's code first: a tick that changes it is heard on the box itself.
  if (control.Name == "ADV") {
    const int k = layout::RowOfAdverbBox(i), j = (i - 1) % layout::kAdverbs + 1;
    return {RowName(k) + ", " + AdverbName(j), RowCode(form, k) + Question(k, j)};
  }
  if (control.Name == "ADV4") {
    const int k = layout::RowOfNeFaitPasBox(i);
    return {RowName(k) + ", ne fait pas",
            RowCode(form, k) + Collapsed(layout::kNeFaitPasExplanation.caption)};
  }
  if (control.Name == "Shape1") return {"Codes : " + VariableName(i + 1), ""};
  if (control.Name == "CmdVD") return {RowName(i) + ", code " + form.CmdVD(i).Caption(), ""};
  if (control.Name == "CFIN") {
    return {"Variable " + VariableName(i) + ", code " + form.CFIN(i).Caption(), ""};
  }
  if (control.Name == "LabelVD") {
    return {RowName(RowOfCaption(i)),
            "Un clic, ou F2 sur l'intitulé ou une case de la ligne, affiche les questions de "
            "l'activité"};
  }
  return {};
}

}  // namespace

namespace {

Text Composed(const SaisieAggir2& form, const window::Control& control) {
  switch (control.kind) {
    case window::Kind::Button: return Button(static_cast<const window::Panel&>(control));
    case window::Kind::TextBox: return Field(form, control);
    case window::Kind::PictureBox:
      return {"Profil : " + std::string(layout::kProfileTitles[control.Index == 1 ? 0 : 1].caption),
              ProfileText(form, control.Index)};
    default: break;
  }
  const auto container = ContainerNames().find(control.Name);
  if (container != ContainerNames().end()) return {container->second, ""};
  if (control.Name == "Label8") return {AdverbName(control.Index), ""};
  if (control.Name == "TxtDE") return Finding(form, control.Index);
  if (&control == &form.Label4 || &control == &form.Label5) {
    return {"Codage en clair : " + static_cast<const window::Label&>(control).Caption(), ""};
  }
  if (control.Name == "Label3") {
    return {Collapsed(layout::kProfileLegend[static_cast<std::size_t>(control.Index - 1)]), ""};
  }
  return Grid(form, control);
}

}  // namespace

// What the control shows when nothing better is known, single-spaced.
Text Of(const SaisieAggir2& form, const window::Control& control) {
  Text text = Composed(form, control);
  if (text.name.empty() && control.kind == window::Kind::Label) {
    text.name = static_cast<const window::Label&>(control).Caption();
  }
  if (text.name.empty() && control.kind == window::Kind::Panel) {
    text.name = static_cast<const window::Panel&>(control).Caption;
  }
  return {Collapsed(text.name), Collapsed(text.description)};
}

std::string Keys(const window::Control& control) {
  if (control.Name == "ADV" || control.Name == "ADV4" || control.Name == "LabelVD") {
    return "F2 ou Maj+F1 : les questions de la ligne. Flèches : d'une case à l'autre de la grille.";
  }
  if (control.Name == "Radar") {
    return "Flèches : le codage de chaque axe. Échap : fermer le profil.";
  }
  return {};
}

}  // namespace accessible

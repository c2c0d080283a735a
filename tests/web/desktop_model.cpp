// SPDX-License-Identifier: EUPL-1.2
// The desktop's window model, asked the same things as the page by its tests:
//   desktop_model codes       lines "ANSWERS|STEPS" on standard input: the window coded by
//                             STEPS ("A12" clicks ADV(12), "N3" the NE FAIT PAS box of row 3,
//                             "G" "Calcul du GIR"), the three-adverb questions answered in
//                             turn by ANSWERS ("O" Oui, "N" Non); one line out each: the 96
//                             boxes (1 ticked), the 24 row codes, the 17 variable codes, the
//                             GIR, the questions asked
//   desktop_model names [profile]
//                             every control of the window just started (or showing the
//                             profile of the documentation's example) and what assistive
//                             technologies are told of it: "control<TAB>name<TAB>description"
//   desktop_model tab         the controls Tab reaches in turn in the window just started
//   desktop_model read FILE   what reopening FILE shows: the message of its refusal, or the
//                             identity and codes of its evaluation
#include <iostream>
#include <sstream>
#include <string>

#include "calculator/accessible.h"
#include "calculator/saisie_aggir2.h"
#include "sheet/sheet_reader.h"
#include "test_support/recording_host.h"
#include "test_support/ticks.h"

namespace {

std::string Name(const window::Control& control) {
  return control.Index < 0 ? control.Name
                           : control.Name + "(" + std::to_string(control.Index) + ")";
}

std::string Codes(const SaisieAggir2& form) {
  std::string codes;
  for (int k = 1; k <= 24; ++k) codes += form.CmdVD(k).Caption();
  codes += ' ';
  for (int v = 1; v <= 17; ++v) codes += form.CFIN(v).Caption();
  return codes;
}

void Toggle(window::CheckBox& box) { box.Value = box.Value == 1 ? 0 : 1; }

void Step(SaisieAggir2& form, const std::string& step) {
  if (step == "G") {
    form.SSCommand7_Click();
  } else if (step[0] == 'A') {
    const int i = std::stoi(step.substr(1));
    Toggle(form.ADV(i));
    form.ADV_Click(i);
  } else {
    const int i = 100 + std::stoi(step.substr(1));
    Toggle(form.ADV4(i));
    form.ADV4_Click(i);
  }
}

void CodeLines() {
  for (std::string line; std::getline(std::cin, line);) {
    platform::RecordingHost host;
    const std::size_t bar = line.find('|');
    for (const char answer : line.substr(0, bar)) {
      host.answers.push_back(answer == 'O' ? platform::MessageAnswer::Yes
                                           : platform::MessageAnswer::No);
    }
    SaisieAggir2 form(host);
    form.Form_Load();
    form.Form_Activate();
    std::istringstream steps(line.substr(bar + 1));
    for (std::string step; steps >> step;) Step(form, step);
    std::cout << form.TxtADV.Text << ' ' << Codes(form) << ' ' << form.TxtGroupe.Text << ' '
              << host.messages.size() << '\n';
  }
}

void Names(bool profile) {
  platform::RecordingHost host;
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  if (profile) {
    example::Saisit(form);
    form.SSCommand6_Click();
  }
  for (const window::Control* control : form.Controls()) {
    const accessible::Text text = accessible::Of(form, *control);
    std::cout << Name(*control) << '\t' << text.name << '\t' << text.description << '\n';
  }
}

// A control the keyboard reaches: it and every container around it shown and enabled.
bool Reachable(const window::Control* control) {
  for (; control; control = control->Parent) {
    if (!control->Enabled || !control->Visible) return false;
  }
  return true;
}

void Tab() {
  platform::RecordingHost host;
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  for (const window::Control* control : form.OrdreTabulation()) {
    if (Reachable(control)) std::cout << Name(*control) << '\n';
  }
}

void Read(const std::string& file) {
  const fiche::Lecture lecture = fiche::LitFiche(file);
  if (lecture.refus != fiche::Refus::Aucun) {
    std::cout << fiche::MessageDeRefus(lecture.refus, file) << '\n';
    return;
  }
  platform::RecordingHost host;
  SaisieAggir2 form(host);
  form.Form_Load();
  form.Form_Activate();
  form.Restaure(lecture.evaluation);
  std::cout << form.TxtDossier.Text << '|' << form.TxtNom.Text << '|' << form.TxtPrenom.Text << '|'
            << form.TxtAdresse.Text << '|' << Codes(form) << ' ' << form.TxtGroupe.Text << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "codes") {
    CodeLines();
  } else if (command == "names") {
    Names(argc > 2 && std::string(argv[2]) == "profile");
  } else if (command == "tab") {
    Tab();
  } else if (command == "read" && argc > 2) {
    Read(argv[2]);
  } else {
    std::cerr << "usage: desktop_model codes | names [profile] | tab | read FILE\n";
    return 2;
  }
  return 0;
}

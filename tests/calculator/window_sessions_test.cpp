// SPDX-License-Identifier: EUPL-1.2
// The user sessions of golden/sessions_steps.txt, step by step through the window's
// handlers: after each step, what it changed and what it asked of the host, against the
// reviewed copy in golden/sessions.txt.
#include <gtest/gtest.h>
#include <zlib.h>

#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

#include "sheet/sheet_reader.h"
#include "test_support/golden.h"
#include "test_support/printed_sheet.h"
#include "test_support/ticks.h"
#include "window_text.h"

namespace {

using namespace window;

// The steps of a session: a user's action through the window's handlers (a box clicked has
// toggled first, as in the toolkit), or a value set as the host or another procedure would.

int Int(std::istream& in) {
  int value = 0;
  in >> value;
  return value;
}

std::string Quoted(std::istream& in) {
  std::string text;
  in >> std::ws;
  in.get();
  std::getline(in, text, '\'');
  return text;
}

Control& Named(SaisieAggir2& form, std::istream& in) {
  std::string name;
  in >> name;
  for (Control* c : form.Controls()) {
    if (NameOf(c) == name) return *c;
  }
  throw std::invalid_argument("no control " + name);
}

template <void (SaisieAggir2::*Handler)()>
Op Command() {
  return [](Session& s, std::istream&) { (s.form.*Handler)(); };
}

template <void (SaisieAggir2::*Handler)(int)>
Op Indexed() {
  return [](Session& s, std::istream& in) { (s.form.*Handler)(Int(in)); };
}

template <void (SaisieAggir2::*Handler)(int, int)>
Op Key() {
  return [](Session& s, std::istream& in) {
    const int index = Int(in);
    (s.form.*Handler)(index, Int(in));
  };
}

template <typename Array, void (SaisieAggir2::*Click)(int)>
Op Toggle(Array SaisieAggir2::*boxes) {
  return [boxes](Session& s, std::istream& in) {
    const int index = Int(in);
    CheckBox& box = (s.form.*boxes)(index);
    box.Value = box.Value == 1 ? 0 : 1;
    (s.form.*Click)(index);
  };
}

// The example evaluation's sheet, 123.pdf, and the files made from it, in one scratch folder
// that the sessions' text names "<dir>".
const SheetPrinter& Printed() {
  static SheetPrinter printer;
  static const bool printed = (example::Saisit(printer.form), printer.Print(), true);
  return (void)printed, printer;
}

std::filesystem::path InPrinted(std::istream& in) {
  const std::string name = Quoted(in);
  return name.empty() ? Printed().dir.path() : Printed().dir.path() / name;
}

std::string Sheet() { return pdftest::ReadFile(Printed().dir.path() / "123.pdf"); }

// A copy of the sheet with one piece of its bytes replaced by another.
void Rewrite(const std::filesystem::path& copy, const std::string& from, const std::string& to) {
  std::string bytes = Sheet();
  if (!from.empty()) bytes.replace(bytes.find(from), from.size(), to);
  pdftest::WriteFile(copy, bytes);
}

// Its stored text written again, checksum and all, for a GIR its boxes do not give.
void OtherGir(const std::filesystem::path& copy) {
  const std::string text =
      fiche::TexteDeFiche(fiche::LitFiche(Printed().dir.path() / "123.pdf").evaluation);
  std::string body = text.substr(0, text.rfind(' '));
  body.replace(body.rfind(" 4 10"), 5, " 1 10");
  const uLong crc = crc32_z(0, reinterpret_cast<const Bytef*>(body.data()), body.size());
  char hex[9];
  std::snprintf(hex, sizeof hex, "%08lX", crc);
  Rewrite(copy, text, body + " " + hex);
}

// Sheets printed in a session go to the scratch folder, with the build's metric files.
void PrintsIntoScratch(Session& s) {
  s.host.program_folder = AGGIR_PROGRAM_DIR;
  s.host.read_only_folders = {AGGIR_PROGRAM_DIR};
  s.host.documents_folder = Printed().dir.path() / "imprimees";
  std::filesystem::create_directories(s.host.documents_folder);
}

const std::map<std::string, Op> kOps = {
    {"ADV", Toggle<decltype(SaisieAggir2::ADV), &SaisieAggir2::ADV_Click>(&SaisieAggir2::ADV)},
    {"ADV4", Toggle<decltype(SaisieAggir2::ADV4), &SaisieAggir2::ADV4_Click>(&SaisieAggir2::ADV4)},
    {"KeyADV", Key<&SaisieAggir2::ADV_KeyDown>()},
    {"KeyADV4", Key<&SaisieAggir2::ADV4_KeyDown>()},
    {"KeyRadar", Key<&SaisieAggir2::Radar_KeyDown>()},
    {"KeyLabelVD", Key<&SaisieAggir2::LabelVD_KeyDown>()},
    {"LabelVD", Indexed<&SaisieAggir2::LabelVD_Click>()},
    {"Question", Indexed<&SaisieAggir2::Question_Click>()},
    {"Label8", Indexed<&SaisieAggir2::Label8_Click>()},
    {"Radar", Indexed<&SaisieAggir2::Radar_Click>()},
    {"PanelQuestions", Command<&SaisieAggir2::PanelQuestions_Click>()},
    {"Calcul", Command<&SaisieAggir2::SSCommand7_Click>()},
    {"Verifier", Command<&SaisieAggir2::SSCommand2_Click>()},
    {"Effacer", Command<&SaisieAggir2::SSCommand3_Click>()},
    {"Profil", Command<&SaisieAggir2::SSCommand6_Click>()},
    {"Saisir", Command<&SaisieAggir2::BtnSupprimer_Click>()},
    {"Quitter", Command<&SaisieAggir2::CmdFermer_Click>()},
    {"Close",  // by the desktop, not by "Quitter"
     [](Session& s, std::istream&) {
       int cancel = 0;
       s.form.Form_QueryUnload(cancel);
       s.out_ << "  cancel " << cancel << "\n";
     }},
    {"Imprimer",
     [](Session& s, std::istream&) {
       PrintsIntoScratch(s);
       s.form.SSCommand1_Click();
     }},
    {"Aide", Command<&SaisieAggir2::SSCommand4_Click>()},
    {"F1", Command<&SaisieAggir2::Form_F1>()},
    {"Escape", Command<&SaisieAggir2::Form_Escape>()},
    {"CtrlP",
     [](Session& s, std::istream&) {
       PrintsIntoScratch(s);
       s.form.Form_CtrlP();
     }},
    {"MoveForm", Command<&SaisieAggir2::Form_MouseMove>()},
    {"InitialiseAjout", Command<&SaisieAggir2::InitialiseAjout>()},
    {"AfficheQuestions", Command<&SaisieAggir2::AfficheQuestions>()},
    {"AfficheBulle1", Command<&SaisieAggir2::AfficheBulle1>()},
    {"Move", [](Session& s, std::istream& in) { s.form.Controle_MouseMove(Named(s.form, in)); }},
    {"Key",  // a key typed into the file number: what reaches the box
     [](Session& s, std::istream& in) {
       int key = Int(in);
       s.form.TxtDossier_KeyPress(key);
       s.out_ << "  key " << key << "\n";
     }},
    {"Paste",
     [](Session& s, std::istream& in) {
       s.out_ << (s.form.TxtDossier_Accepte(Quoted(in)) ? "  taken\n" : "  refused\n");
     }},
    {"Answer",
     [](Session& s, std::istream& in) {
       for (char c; in >> c;) {
         s.host.answers.push_back(c == 'Y' ? platform::MessageAnswer::Yes
                                           : platform::MessageAnswer::No);
       }
     }},
    {"Text",
     [](Session& s, std::istream& in) {
       auto& box = dynamic_cast<TextBox&>(Named(s.form, in));
       box.Text = Quoted(in);
     }},
    {"Caption",
     [](Session& s, std::istream& in) {
       Control& control = Named(s.form, in);
       if (auto* panel = dynamic_cast<Panel*>(&control)) {
         panel->Caption = Quoted(in);
       } else {
         dynamic_cast<Label&>(control).SetCaption(Quoted(in));
       }
     }},
    {"Value",
     [](Session& s, std::istream& in) {
       auto& box = dynamic_cast<CheckBox&>(Named(s.form, in));
       box.Value = Int(in);
     }},
    {"Show", [](Session& s, std::istream& in) { Named(s.form, in).Visible = true; }},
    {"Hide", [](Session& s, std::istream& in) { Named(s.form, in).Visible = false; }},
    {"Place",
     [](Session& s, std::istream& in) {
       Control& control = Named(s.form, in);
       control.Left = Int(in);
       control.Top = Int(in);
     }},
    {"Ligne", [](Session& s,
                 std::istream& in) { s.form.LigneQuestions = static_cast<std::int16_t>(Int(in)); }},
    {"Folder", [](Session& s, std::istream& in) { s.host.program_folder = Quoted(in); }},
    {"Centre",  // in a free area of the size given, in twips, and where given
     [](Session& s, std::istream& in) {
       const float width = static_cast<float>(Int(in));
       const float height = static_cast<float>(Int(in));
       const float left = static_cast<float>(Int(in));
       s.host.screen = {width, height, left, static_cast<float>(Int(in))};
       CentreFormulaire(s.form, s.host);
     }},
    {"Error", [](Session& s, std::istream& in) { s.form.AfficheErreur(Quoted(in)); }},
    {"Example", [](Session& s, std::istream&) { example::Saisit(s.form); }},
    {"Copy",
     [](Session&, std::istream& in) {
       const auto copy = InPrinted(in);
       const std::string from = Quoted(in);
       Rewrite(copy, from, Quoted(in));
     }},
    {"OtherGir", [](Session&, std::istream& in) { OtherGir(InPrinted(in)); }},
    {"Bytes",
     [](Session&, std::istream& in) {
       const auto file = InPrinted(in);
       pdftest::WriteFile(file, Quoted(in));
     }},
    {"Half",
     [](Session&, std::istream& in) {
       pdftest::WriteFile(InPrinted(in), Sheet().substr(0, Sheet().size() / 2));
     }},
    {"Protect",
     [](Session&, std::istream& in) {
       pdftest::RunTool("qpdf --encrypt user owner 256 -- '" +
                        (Printed().dir.path() / "123.pdf").string() + "' '" +
                        InPrinted(in).string() + "'");
     }},
    {"Open",  // a file of the scratch folder, its name "" for the folder itself; each file
              // opened is also a seed of the sheet reader's fuzz target
     [](Session& s, std::istream& in) {
       const auto file = InPrinted(in);
       s.form.OuvreFiche(file);
       if (std::filesystem::is_regular_file(file) && file.parent_path() == Printed().dir.path()) {
         pdftest::WriteFuzzSeed("sheet_reader", "session-" + file.filename().string(),
                                '\0' + pdftest::ReadFile(file));
       }
     }},
};

std::string Sessions() {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  for (const auto& [name, steps] :
       ReadCases(AGGIR_SOURCE_DIR "/tests/calculator/golden/sessions_steps.txt")) {
    out << "== " << name << "\n";
    Session s(out);
    for (const std::string& step : steps) {
      std::istringstream words(step);
      words.imbue(std::locale::classic());  // "9 13" is two numbers, whatever the locale
      std::string op;
      words >> op;
      s.Step(step, kOps.at(op), words);
    }
    out << "\n";
  }
  std::string text = out.str();
  const std::string dir = Printed().dir.path().string();
  for (auto at = text.find(dir); at != std::string::npos; at = text.find(dir, at)) {
    text.replace(at, dir.size(), "<dir>");
  }
  return text;
}

TEST(WindowGoldenTest, UserSessions) {
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/calculator/golden/sessions.txt", Sessions());
}

}  // namespace

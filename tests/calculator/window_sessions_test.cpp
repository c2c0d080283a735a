// User sessions, step by step through the window's handlers: after each step, what it
// changed and what it asked of the host, against the reviewed copy in golden/sessions.txt.
#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

#include "tests/calculator/window_text.h"
#include "tests/support/golden.h"

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

const std::map<std::string, Op> kOps = {
    {"ADV", Toggle<decltype(SaisieAggir2::ADV), &SaisieAggir2::ADV_Click>(&SaisieAggir2::ADV)},
    {"ADV4", Toggle<decltype(SaisieAggir2::ADV4), &SaisieAggir2::ADV4_Click>(&SaisieAggir2::ADV4)},
    {"KeyADV", Key<&SaisieAggir2::ADV_KeyDown>()},
    {"KeyADV4", Key<&SaisieAggir2::ADV4_KeyDown>()},
    {"KeyRadar", Key<&SaisieAggir2::Radar_KeyDown>()},
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
    {"Aide", Command<&SaisieAggir2::SSCommand4_Click>()},
    {"F1", Command<&SaisieAggir2::Form_F1>()},
    {"MoveForm", Command<&SaisieAggir2::Form_MouseMove>()},
    {"InitialiseAjout", Command<&SaisieAggir2::InitialiseAjout>()},
    {"ChangeAutonomie2", Command<&SaisieAggir2::ChangeAutonomie2>()},
    {"ChangeIllustratives2", Command<&SaisieAggir2::ChangeIllustratives2>()},
    {"ChangeAdverbes", Command<&SaisieAggir2::ChangeAdverbes>()},
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
    {"MajEnCours",
     [](Session& s, std::istream& in) { s.form.MajEnCours = static_cast<std::int16_t>(Int(in)); }},
    {"Folder", [](Session& s, std::istream& in) { s.host.program_folder = Quoted(in); }},
    {"Centre",  // on a screen of the size given, in twips
     [](Session& s, std::istream& in) {
       const float width = static_cast<float>(Int(in));
       s.host.screen = {width, static_cast<float>(Int(in))};
       CentreFormulaire(s.form, s.host);
     }},
    {"Error", [](Session& s, std::istream& in) { s.form.AfficheErreur(Quoted(in)); }},
};

// Each row: a name, then steps separated by ";".
constexpr std::pair<const char*, const char*> kSessions[] = {
    // The evaluation record.
    {"a new evaluation clears identity and coding",
     "Text TxtNom 'Dupont'; Text TxtDossier '42'; Text TxtAdresse '1 rue de la Paix'; "
     "Value ADV(53) 1; Caption CmdVD(14) 'C'; Value ADV4(114) 1; Text TxtGroupe '2'; "
     "Text TxtRang '4'; InitialiseAjout"},
    {"typed keys: digits and Backspace pass, others beep",
     "Key 48; Key 53; Key 57; Key 8; Key 97; Key 90; Key 45; Key 32; Key 13; Key 47; Key 58; "
     "Key 233; Key 1633"},
    {"pasted text enters only when all digits",
     "Paste '0123456789'; Paste ''; Paste '77'; Paste '12a'; Paste ' 12'; Paste '12\n'; "
     "Paste '../12'; Paste '12.5'; Paste '\xd9\xa1'; Paste '-3'"},
    {"centred in single precision, negative when larger than the screen",
     "Centre 19200 14400; Centre 10260 10500; Centre 9600 7200; Centre 0 0"},
    {"row codes set the derived fields but no box",
     "Text TxtVD1 'CCAAAAAAAAAAAAAAA'; ChangeAutonomie2; Text TxtVI 'CABAAAB'; "
     "ChangeIllustratives2"},
    {"a short code string leaves the rows past its end without a code",
     "Text TxtVD1 'B'; ChangeAutonomie2; Text TxtVD1 'CAC'; ChangeAutonomie2; "
     "Text TxtVD1 'AACBBA'; ChangeAutonomie2; Text TxtVD1 'AAAAAAAAAC'; ChangeAutonomie2; "
     "Text TxtVD1 ''; ChangeAutonomie2"},
    // Coding by ticks.
    {"one tick", "ADV 53"},
    {"three ticks, Yes", "Answer Y; ADV 53; ADV 54; ADV 55"},
    {"three ticks, No", "Answer N; ADV 53; ADV 54; ADV 55"},
    {"four ticks ask once, at the third", "ADV 1; ADV 2; ADV 3; ADV 4"},
    {"untick one of four, Yes then No", "ADV4 105; ADV 19; ADV4 105; ADV4 105; Answer N; ADV 19"},
    {"Enter ticks and asks once, unticks", "KeyADV 9 13; KeyADV 10 13; KeyADV 12 13; KeyADV 12 13"},
    {"other keys change nothing", "Calcul; KeyADV 9 65; KeyADV 53 32; KeyADV4 114 88"},
    {"NE FAIT PAS on and off", "ADV 69; ADV 71; ADV4 118; ADV4 118"},
    {"NE FAIT PAS by Enter", "ADV 24; KeyADV4 106 13; KeyADV4 106 13"},
    {"fourth tick by Enter", "ADV 93; ADV 94; KeyADV 95 13; KeyADV 96 13"},
    {"a change withdraws the results, the questions stay",
     "Calcul; Show PanelProfil; Show PanelCoherence; LabelVD 12; ADV 53; "
     "Calcul; Show PanelProfil; Show PanelCoherence; KeyADV 53 13; "
     "Calcul; Show PanelProfil; Show PanelCoherence; ADV4 114; "
     "Calcul; Show PanelProfil; Show PanelCoherence; KeyADV4 114 13"},
    {"clicks while NE FAIT PAS is applied only withdraw", "Calcul; MajEnCours 1; ADV 1"},
    {"the boxes follow the adverb string, a missing character ticks",
     "Text TxtADV '101022220000000000000000000000000000000000000000000000000000000000000000"
     "0000000000000000000001'; ChangeAdverbes"},
    // The GIR.
    {"a blank evaluation gives GIR 6", "Show PanelQuestions; Calcul"},
    {"the command reads the row codes",
     "Caption CmdVD(1) 'C'; Caption CmdVD(3) 'C'; Calcul; InitialiseAjout; "
     "Caption CmdVD(14) 'B'; Calcul; InitialiseAjout; Caption CmdVD(5) 'C'; Caption CmdVD(6) 'C'; "
     "Caption CmdVD(7) 'C'; Caption CmdVD(8) 'C'; Caption CmdVD(9) 'C'; Caption CmdVD(10) 'B'; "
     "Caption CmdVD(11) 'C'; Caption CmdVD(12) 'C'; Calcul; InitialiseAjout; "
     "Caption CmdVD(16) 'C'; Caption CmdVD(17) 'C'; Caption CmdVD(18) 'C'; Calcul"},
    // The coherence panel.
    {"Vérifier over the other panels, then Effacer",
     "Calcul; Show PanelProfil; LabelVD 12; Place PanelCoherence 0 0; Verifier; Effacer"},
    {"dans l'espace dead from Vérifier to Effacer",
     "Calcul; Verifier; ADV 1; Saisir; Calcul; Verifier; Effacer"},
    // The questions.
    {"switching rows takes two clicks", "LabelVD 12; LabelVD 16; LabelVD 16"},
    {"every part of the panel closes it",
     "LabelVD 13; PanelQuestions; LabelVD 13; Question 0; LabelVD 13; Question 1; LabelVD 13; "
     "Question 2; LabelVD 13; Question 3; LabelVD 13; Question 4; LabelVD 13; Label8 1; "
     "LabelVD 13; Label8 2; LabelVD 13; Label8 3; LabelVD 13; Label8 4"},
    {"commands close the questions",
     "LabelVD 12; Calcul; LabelVD 12; Verifier; LabelVD 12; Profil; LabelVD 12; Saisir"},
    {"an unknown row keeps the last texts",
     "LabelVD 12; PanelQuestions; Ligne 30; Place PanelQuestions 0 0; AfficheQuestions"},
    // The profile.
    {"each adverb adds its digit and a quarter",
     "ADV 53; ADV 55; ADV 72; ADV 2; ADV 3; ADV 4; Profil"},
    {"a B row without a 1 lies at the centre",
     "Text TxtVD1 'AAAAAAAAAAAAABAAA'; Profil; Text TxtADV ''; Hide PanelProfil; Profil"},
    {"an odd code keeps the last values",
     "ADV4 114; ADV4 115; Profil; Text TxtVD1 'AAAAAAAAAAAAAx'; Hide PanelProfil; Profil; "
     "Text TxtVD1 'AAAAAAAAAAAAA'; Hide PanelProfil; Profil"},
    {"the button toggles, a second click draws nothing", "Profil; Profil; Profil"},
    {"Profil closes the other panels",
     "LabelVD 12; Show PanelCoherence; Profil; LabelVD 12; Show PanelCoherence; Profil"},
    {"hovering a number shows its coding",
     "ADV 53; ADV 55; ADV 80; Profil; Move Label3(14); Move Label3(20); Move Label3(1); "
     "Move PanelProfil; Move Label3(24); Move PanelProfil; Move Radar(1); Move Label3(2); "
     "Move Radar(2); Move Radar(1)"},
    {"closing the profile",
     "Profil; Radar 1; Profil; Radar 2; Profil; KeyRadar 1 13; Profil; KeyRadar 1 65; "
     "KeyRadar 2 13; ADV 1"},
    // The command bar.
    {"Saisir starts a blank evaluation and closes every panel",
     "Text TxtNom 'Martin'; ADV4 114; Calcul; Profil; Verifier; LabelVD 12; Saisir"},
    {"Quitter closes without a question", "Quitter"},
    {"help: the path unquoted, whatever the folder",
     "Folder '/opt/aggir/bin'; Aide; F1; Folder '/home/anne/Mes programmes/aggir'; Aide; F1"},
    {"the tooltip follows the mouse",
     "Move BtnSupprimer; Move CmdFermer; Move SSCommand4; Move Panel3D11; Move SSCommand2; "
     "Move Bulle; Move SSCommand1; Move Frame1; Move SSCommand6; Move TxtNom; Move Panel2; "
     "Move SSCommand6; MoveForm; Move SSCommand4"},
    {"the tooltip placed, its text kept", "Caption Bulle 'texte'; Place Bulle 0 0; AfficheBulle1"},
    {"errors told in a critical box", "Error 'Le dossier « /x » ne peut pas être écrit.'"},
};

std::string Sessions() {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  for (const auto& [name, steps] : kSessions) {
    out << "== " << name << "\n";
    Session s(out);
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ';');) {
      std::istringstream words(step);
      words.imbue(std::locale::classic());  // "9 13" is two numbers, whatever the locale
      std::string op;
      words >> op;
      s.Step(step, kOps.at(op), words);
    }
    out << "\n";
  }
  return out.str();
}

TEST(WindowGoldenTest, UserSessions) {
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/calculator/golden/sessions.txt", Sessions());
}

}  // namespace

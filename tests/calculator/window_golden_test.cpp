// The whole window as text: every control after load, then what each later state changes
// (the coherence cases, the questions of each row, the profile), against the reviewed copy in
// golden/window.txt. scripts/golden.sh regenerates it when a change is meant.
#include <charconv>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <variant>

#include "tests/calculator/window_fixture.h"
#include "tests/support/golden.h"
#include "tools/example_evaluation.h"

namespace {

using namespace window;

std::string Hex(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
  return text;
}

std::string Size(float points) {
  char text[16];
  return std::string(text, std::to_chars(text, text + sizeof text, points).ptr);
}

std::string FontOf(const Font& f) { return Size(f.size) + (f.bold ? " bold" : ""); }

std::string NameOf(const Control* c) {
  if (c == nullptr) return "-";
  return c->Name + (c->Index >= 0 ? "(" + std::to_string(c->Index) + ")" : "");
}

std::string PointOf(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string PenOf(const Pen& p) {
  return Hex(p.colour) + " " + std::to_string(p.width) +
         (p.style == LineStyle::Dot ? " dot" : " solid");
}

// One drawn primitive a line, indented under its picture box.
struct Figure {
  std::ostream& out;
  void operator()(const Segment& s) const {
    out << "  segment " << PointOf(s.from) << " " << PointOf(s.to) << " " << PenOf(s.pen);
  }
  void operator()(const Circle& c) const {
    out << "  circle " << PointOf(c.centre) << " r" << c.radius << " " << PenOf(c.pen);
  }
  void operator()(const TextAt& t) const {
    out << "  text " << PointOf(t.top_left) << " \"" << t.text << "\" " << FontOf(t.font) << " "
        << Hex(t.colour);
  }
  void operator()(const Polygon& p) const {
    out << "  polygon " << Hex(p.pen) << " " << Hex(p.fill);
    for (const Point& point : p.points) out << " " << PointOf(point);
  }
};

const char* AlignOf(Align a) {
  return a == Align::Left ? "left" : a == Align::Center ? "center" : "right";
}

// Everything the logic can set on one control, and a picture box's drawing.
std::string Describe(const Control& c) {
  std::ostringstream out;
  out << NameOf(&c) << " in " << NameOf(c.Parent) << " @" << c.Left << "," << c.Top << " "
      << c.Width << "x" << c.Height;
  if (const auto* l = dynamic_cast<const Label*>(&c)) {
    out << " \"" << l->Caption() << "\" " << AlignOf(l->Alignment)
        << (l->Transparent ? " transparent" : "") << (l->WordWrap ? " wrap" : "");
  } else if (const auto* t = dynamic_cast<const TextBox*>(&c)) {
    out << " text=\"" << t->Text << "\" " << AlignOf(t->Alignment) << (t->Locked ? " locked" : "");
  } else if (const auto* b = dynamic_cast<const CheckBox*>(&c)) {
    out << " value=" << b->Value;
  } else if (const auto* p = dynamic_cast<const Panel*>(&c)) {
    out << " \"" << p->Caption << "\"";
  } else if (const auto* line = dynamic_cast<const Line*>(&c)) {
    out << " line " << line->X1 << "," << line->Y1 << " " << line->X2 << "," << line->Y2 << " w"
        << line->BorderWidth;
  }
  out << " fore=" << Hex(c.ForeColor) << " back=" << Hex(c.BackColor) << " " << FontOf(c.font)
      << (c.Visible ? "" : " hidden") << (c.Enabled ? "" : " disabled");
  if (const auto* picture = dynamic_cast<const PictureBox*>(&c)) {
    out << " revision " << picture->Revision();
    for (const Primitive& p : picture->Picture()) std::visit(Figure{out << "\n"}, p);
  }
  return out.str();
}

// The window and its state that no control shows, then every control, by position in the list.
std::map<std::string, std::string> Snapshot(const SaisieAggir2& form) {
  std::ostringstream window, profile;
  window << "\"" << form.Caption << "\" @" << form.Left << "," << form.Top << " " << form.Width
         << "x" << form.Height << " back=" << Hex(form.BackColor) << " focus=" << NameOf(form.Focus)
         << " help=\"" << form.HelpFile << "\" opened=\"" << form.CheminAide << "\""
         << (form.Fermee ? " closed" : "") << " questions=" << form.LigneQuestions;
  for (std::size_t k = 0; k < form.RayonProfil.size(); ++k) {
    profile << " " << form.RayonProfil[k] << ":\"" << form.CodageProfil[k] << "\"";
  }
  std::map<std::string, std::string> lines{{"000 window", window.str()},
                                           {"001 profile", profile.str()}};
  const auto& controls = form.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    char key[8];
    std::snprintf(key, sizeof key, "%03zu", i + 2);
    lines[key] = Describe(*controls[i]);
  }
  return lines;
}

// A fresh window, loaded and activated, whose later states are written as their changes.
class Session {
 public:
  explicit Session(std::ostream& out) : out_(out), form(host), loaded_(Load()), last_(loaded_) {}
  void Write(const std::string& state) {
    out_ << "\n== " << state << "\n";
    for (const auto& [key, line] : Snapshot(form)) {
      if (loaded_.at(key) != line) out_ << line << "\n";
    }
  }
  // Runs one step, then writes what it changed since the last one and what it asked of the
  // host.
  template <typename Op>
  void Step(const std::string& step, const Op& op, std::istream& args) {
    out_ << "> " << step << "\n";
    op(*this, args);
    auto now = Snapshot(form);
    for (const auto& [key, line] : now) {
      if (last_.at(key) != line) out_ << "  " << line << "\n";
    }
    last_ = std::move(now);
    if (host.beeps != beeps_) out_ << "  beeps " << (beeps_ = host.beeps) << "\n";
    for (; messages_ < host.messages.size(); ++messages_) {
      const auto& m = host.messages[messages_];
      out_ << "  message " << static_cast<int>(m.icon) << static_cast<int>(m.buttons) << " "
           << m.title << ": " << m.text << "\n";
    }
    for (; started_ < host.started.size(); ++started_)
      out_ << "  started " << host.started[started_] << "\n";
  }
  platform::RecordingHost host;
  std::ostream& out_;
  SaisieAggir2 form;

 private:
  std::map<std::string, std::string> Load() {
    form.Form_Load();
    form.Form_Activate();
    return Snapshot(form);
  }
  std::map<std::string, std::string> loaded_, last_;
  int beeps_ = 0;
  std::size_t messages_ = 0, started_ = 0;
};

// First row of each variable v = 1..17; its rows run up to the next one's first.
constexpr int kFirstRow[] = {0, 1, 3, 5, 7, 10, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

// Codes the 17 variables ("10 discriminants, blank, 7 illustratives") through the boxes of a
// new evaluation: B ticks S on the variable's
// first row, C ticks NE FAIT PAS on each of its rows.
void Code(SaisieAggir2& form, const std::string& variables) {
  form.BtnSupprimer_Click();
  for (int v = 1; v <= 17; ++v) {
    const char code = variables[static_cast<std::size_t>(v <= 10 ? v - 1 : v)];
    const int first = kFirstRow[v];
    if (code == 'B') {
      form.ADV(4 * first - 3).Value = 1;
      form.ADV_Click(4 * first - 3);
    }
    for (int k = first; code == 'C' && k < kFirstRow[v + 1]; ++k) {
      form.ADV4(100 + k).Value = 1;
      form.ADV4_Click(100 + k);
    }
  }
}

// Variables: Cohérence, Orientation, Toilette, Habillage, Alimentation, Elimination,
// Transferts, Déplacements int., Déplacements ext., Alerter | Gestion, Cuisine, Ménage,
// Transports, Achats, Suivi du traitement, Temps libre.
constexpr std::pair<const char*, const char*> kCoherenceCases[] = {
    {"flags 1 and 2, Déplacements int. A", "CBABBABABB ABBBBBB"},
    {"no flag", "AAAAAAAAAA AAAAAAA"},
    {"no flag, Déplacements int. A with Cohérence C", "CBABBBBABB BBBBBBB"},
    {"flag 1", "CBABBABBBB BBBBBBB"},
    {"flag 1, Déplacements int. A", "CBABBABABB BBBBBBB"},
    {"four B weigh 4: no flag", "AABBBBAAAA AAAAAAA"},
    {"flag 3", "AACBBBAAAA AAAAAAA"},
    {"flag 2", "BCBBBBBBBB ABBBBBB"},
    {"flag 2, Déplacements int. A", "BCBBBBBABB ABBBBBB"},
};

std::string Window() {
  std::ostringstream out;
  {
    Session s(out);
    out << "== after load\n";
    for (const auto& [key, line] : Snapshot(s.form)) out << line << "\n";
    out << "\n== tab order\n";
    for (const Control* c : s.form.OrdreTabulation()) out << NameOf(c) << "\n";
  }
  {
    Session s(out);
    for (const auto& [name, codes] : kCoherenceCases) {
      Code(s.form, codes);
      s.form.SSCommand7_Click();
      s.form.SSCommand2_Click();
      s.Write(std::string("Vérifier, ") + name + ": " + codes);
    }
  }
  {
    Session s(out);
    for (int row = 0; row <= 23; ++row) {
      s.form.LabelVD_Click(row);
      s.Write("questions of row " + std::to_string(row));
      s.form.LabelVD_Click(row);
    }
  }
  Session s(out);
  example::Saisit(s.form);
  s.form.SSCommand6_Click();
  s.Write("profile of the example evaluation");
  return out.str();
}

TEST(WindowGoldenTest, EveryControlInEveryState) {
  ExpectGolden(AGGIR_SOURCE_DIR "/tests/calculator/golden/window.txt", Window());
}

// The steps of a session: a user's action through the window's handlers (a box clicked has
// toggled first, as in the toolkit), or a value set as the host or another procedure would.
using Op = std::function<void(Session&, std::istream&)>;

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
  for (const auto& [name, steps] : kSessions) {
    out << "== " << name << "\n";
    Session s(out);
    std::istringstream in(steps);
    for (std::string step; std::getline(in >> std::ws, step, ';');) {
      std::istringstream words(step);
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

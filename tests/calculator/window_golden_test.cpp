// The whole window as text: every control after load, then what each later state changes
// (the coherence cases, the questions of each row, the profile), against the reviewed copy in
// golden/window.txt. scripts/golden.sh regenerates it when a change is meant.
#include <charconv>
#include <map>
#include <sstream>
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
  explicit Session(std::ostream& out) : out_(out), form(host), loaded_(Load()) {}
  void Write(const std::string& state) {
    out_ << "\n== " << state << "\n";
    for (const auto& [key, line] : Snapshot(form)) {
      if (loaded_.at(key) != line) out_ << line << "\n";
    }
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
  std::map<std::string, std::string> loaded_;
};

// First row of each variable v = 1..17; its rows run up to the next one's first.
constexpr int kFirstRow[] = {0, 1, 3, 5, 7, 10, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};

// Codes the 17 variables through the boxes of a new evaluation: B ticks S on the variable's
// first row, C ticks NE FAIT PAS on each of its rows.
void Code(SaisieAggir2& form, const std::string& variables) {
  form.BtnSupprimer_Click();
  for (int v = 1; v <= 17; ++v) {
    const char code = variables[static_cast<std::size_t>(v - 1)];
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
    {"flags 1 and 2, Déplacements int. A",
     "CBABBABABB"
     "ABBBBBB"},
    {"no flag",
     "AAAAAAAAAA"
     "AAAAAAA"},
    {"no flag, Déplacements int. A with Cohérence C",
     "CBABBBBABB"
     "BBBBBBB"},
    {"flag 1",
     "CBABBABBBB"
     "BBBBBBB"},
    {"flag 1, Déplacements int. A",
     "CBABBABABB"
     "BBBBBBB"},
    {"four B weigh 4: no flag",
     "AABBBBAAAA"
     "AAAAAAA"},
    {"flag 3",
     "AACBBBAAAA"
     "AAAAAAA"},
    {"flag 2",
     "BCBBBBBBBB"
     "ABBBBBB"},
    {"flag 2, Déplacements int. A",
     "BCBBBBBABB"
     "ABBBBBB"},
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

}  // namespace

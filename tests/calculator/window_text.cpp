// SPDX-License-Identifier: EUPL-1.2
#include "window_text.h"

#include <charconv>
#include <locale>
#include <sstream>
#include <variant>

using namespace window;

std::string NameOf(const Control* c) {
  if (c == nullptr) return "-";
  return c->Name + (c->Index >= 0 ? "(" + std::to_string(c->Index) + ")" : "");
}

namespace {

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
  out.imbue(std::locale::classic());  // numbers without the locale's separators
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

}  // namespace

// The window and its state that no control shows, then every control, by position in the list.
std::map<std::string, std::string> Snapshot(const SaisieAggir2& form) {
  std::ostringstream window, profile;
  window.imbue(std::locale::classic());
  profile.imbue(std::locale::classic());
  window << "\"" << form.Caption << "\" @" << form.Left << "," << form.Top << " " << form.Width
         << "x" << form.Height << " back=" << Hex(form.BackColor) << " focus=" << NameOf(form.Focus)
         << " help=\"" << form.HelpFile << "\" opened=\"" << form.CheminAide << "\""
         << (form.Fermee ? " closed" : "") << " questions=" << form.LigneQuestions;
  for (const grid::Rayon& rayon : form.ProfilCourant) {
    profile << " " << rayon.pourcent << ":\"" << rayon.codage << "\"";
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

Session::Session(std::ostream& out) : out_(out), form(host), loaded_(Load()), last_(loaded_) {}

std::map<std::string, std::string> Session::Load() {
  form.Form_Load();
  form.Form_Activate();
  return Snapshot(form);
}

void Session::Write(const std::string& state) {
  out_ << "\n== " << state << "\n";
  for (const auto& [key, line] : Snapshot(form)) {
    if (loaded_.at(key) != line) out_ << line << "\n";
  }
}

void Session::Step(const std::string& step, const Op& op, std::istream& args) {
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
  for (; started_ < host.started.size(); ++started_) {
    out_ << "  started " << host.started[started_] << "\n";
  }
}

// SPDX-License-Identifier: EUPL-1.2
// Builds the controls of the window from the layout tables.
#include "calculator/saisie_aggir2.h"

#include "calculator/window/layout.h"

using layout::Rect;

namespace {

// The six buttons of the command bar, left to right.
template <typename Form>
auto Commandes(Form& form) {
  return std::array{&form.CmdFermer,  &form.BtnSupprimer, &form.SSCommand2,
                    &form.SSCommand1, &form.SSCommand6,   &form.SSCommand4};
}

}  // namespace

SaisieAggir2::SaisieAggir2(platform::Host& host) : host_(host) { Construit(); }

void SaisieAggir2::Place(window::Control& control, const std::string& name, int index,
                         const window::Control* parent, int left, int top, int width, int height) {
  control.Name = name;
  control.Index = index;
  control.Parent = parent;
  control.Left = left;
  control.Top = top;
  control.Width = width;
  control.Height = height;
  controls_.push_back(&control);
}

// A fixed text, word-wrapped as the window's labels are.
void SaisieAggir2::PlaceTexte(window::Label& label, const std::string& name, int index,
                              const window::Control* parent, const layout::Text& text) {
  const Rect r = text.rect;
  Place(label, name, index, parent, r.left, r.top, r.width, r.height);
  label.SetCaption(text.caption);
  label.WordWrap = true;
}

void SaisieAggir2::Construit() {
  Caption = layout::kWindowCaption;
  Width = layout::kClientWidth + layout::kFrameWidth;
  Height = layout::kClientHeight + layout::kFrameHeight;
  ConstruitBarre();
  ConstruitIdentite();
  ConstruitGrille();
  ConstruitResultat();
  ConstruitChampsCaches();
  // The overlay panels (coherence.cpp, questions.cpp, radar.cpp), then the tooltip over all.
  ConstruitCoherence();
  ConstruitQuestions();
  ConstruitProfil();
  Place(Bulle, "Bulle", -1, nullptr, layout::kBulle.left, layout::kBulle.top, layout::kBulle.width,
        layout::kBulle.height);
  Bulle.BackColor = window::kPaleYellow;
  Bulle.font.bold = false;
  LieEvenements();
}

void SaisieAggir2::ConstruitBarre() {
  const Rect bar = layout::kCommandBar;
  Place(Panel3D11, "Panel3D11", -1, nullptr, bar.left, bar.top, bar.width, bar.height);
  const auto buttons = Commandes(*this);
  for (std::size_t i = 0; i < layout::kCommands.size(); ++i) {
    const layout::Command& c = layout::kCommands[i];
    Place(*buttons[i], c.name, -1, &Panel3D11, c.left, layout::kButtonTop, layout::kButtonWidth,
          layout::kButtonHeight);
    buttons[i]->Caption = c.caption;
  }
}

void SaisieAggir2::ConstruitIdentite() {
  const Rect f = layout::kIdentityFrame;
  Place(Frame1, "Frame1", -1, nullptr, f.left, f.top, f.width, f.height);
  window::Label* captions[] = {&LabelNom, &LabelPrenom, &LabelDossier, &LabelAdresse};
  window::TextBox* fields[] = {&TxtNom, &TxtPrenom, &TxtDossier, &TxtAdresse};
  for (std::size_t i = 0; i < layout::kIdentityFields.size(); ++i) {
    const layout::Field& d = layout::kIdentityFields[i];
    Place(*captions[i], d.caption_name, -1, &Frame1, d.caption_left, d.caption_top,
          d.left - d.caption_left - layout::kIdentityCaptionGap, layout::kIdentityCaptionHeight);
    captions[i]->SetCaption(d.caption);
    Place(*fields[i], d.name, -1, &Frame1, d.left, d.top, d.width, layout::kFieldHeight);
    fields[i]->font.bold = false;
  }
}

void SaisieAggir2::ConstruitGrille() {
  const Rect g = layout::kGridFrame;
  Place(Panel2, "Panel2", -1, nullptr, g.left, g.top, g.width, g.height);
  Panel2.Caption = layout::kGridCaption;
  PlaceTexte(LabelAdverbes, "LabelAdverbes", -1, &Panel2, layout::kAdverbHeading);
  PlaceTexte(LabelNeFaitPas, "LabelNeFaitPas", -1, &Panel2, layout::kNeFaitPasHeading);
  // The headings keep their blanks: they line up over the columns.
  LabelAdverbes.WordWrap = false;
  LabelNeFaitPas.WordWrap = false;
  PlaceTexte(LabelExplication, "LabelExplication", -1, &Panel2, layout::kNeFaitPasExplanation);
  PlaceTexte(LabelConsigne, "LabelConsigne", -1, &Panel2, layout::kCodingInstruction);
  PlaceTexte(LabelLegende, "LabelLegende", -1, &Panel2, layout::kAdverbLegend);
  const Rect p = layout::kPicture;
  Place(Image1, "Image1", -1, &Panel2, p.left, p.top, p.width, p.height);
  for (int v = 1; v <= layout::kVariables; ++v) ConstruitVariable(v);
  for (int k = 1; k <= layout::kRows; ++k) ConstruitLigne(k);
}

void SaisieAggir2::ConstruitLigne(int k) {
  const layout::Row& row = layout::RowOf(k);
  const int top = layout::CaptionTop(row.screen_position);
  window::Label& caption = LabelVD(row.label_index);
  const int indent = RetraitSousVariable(k, caption.font);
  Place(caption, "LabelVD", row.label_index, &Panel2, layout::kCaptionLeft + indent, top,
        layout::kCaptionWidth - indent, layout::kCaptionHeight);
  caption.SetCaption(layout::CaptionOf(k));
  Place(ADV4(layout::NeFaitPasBox(k)), "ADV4", layout::NeFaitPasBox(k), &Panel2,
        layout::kNeFaitPasLeft, top + layout::kNeFaitPasDrop, layout::kBoxWidth,
        layout::kBoxHeight);
  for (int j = 1; j <= layout::kAdverbs; ++j) {
    const int i = layout::AdverbBox(k, j);
    Place(ADV(i), "ADV", i, &Panel2, layout::kAdverbLefts[static_cast<std::size_t>(j - 1)], top,
          layout::kBoxWidth, layout::kBoxHeight);
  }
  window::Label& code = CmdVD(k);
  Place(code, "CmdVD", k, &Panel2, layout::kRowCodeLeft, top + layout::kCodeDrop,
        layout::kCodeWidth, layout::kCodeHeight);
  code.Alignment = window::Align::Center;
  code.Change = [this] { ChampsDerives(); };
}

// A sub-variable's name stands under the first one of its variable: as far right as the
// variable's number and name measure in the font of the captions.
int SaisieAggir2::RetraitSousVariable(int k, const window::Font& font) const {
  const int first = layout::FirstRowOfVariable(k);
  if (first == k) return 0;
  return host_.TextWidthTwips(layout::RowOf(first).variable, font.size, font.bold);
}

void SaisieAggir2::ConstruitVariable(int v) {
  const layout::RowSpan rows = layout::RowsOf(v);
  const int first = layout::CaptionTop(layout::RowOf(rows.first).screen_position);
  const int last = layout::CaptionTop(layout::RowOf(rows.last).screen_position);
  const int count = rows.last - rows.first + 1;
  Place(Shape1(v - 1), "Shape1", v - 1, &Panel2, layout::kShapeLeft, first + layout::kShapeDrop,
        layout::kShapeWidth, layout::kShapeHeights[static_cast<std::size_t>(count)]);
  window::Label& code = CFIN(v);
  Place(code, "CFIN", v, &Panel2, layout::kVariableCodeLeft, (first + last) / 2 + layout::kCodeDrop,
        layout::kCodeWidth, layout::kCodeHeight);
  code.Alignment = window::Align::Center;
  code.ForeColor = window::kDarkRed;
}

void SaisieAggir2::ConstruitResultat() {
  const Rect r = layout::kResultPanel;
  Place(PanelCalculGIR, "PanelCalculGIR", -1, &Panel2, r.left, r.top, r.width, r.height);
  const Rect l = layout::kResultLabel;
  Place(LabelGroupe, "LabelGroupe", -1, &PanelCalculGIR, l.left, l.top, l.width, l.height);
  LabelGroupe.SetCaption(layout::kResultCaption);
  LabelGroupe.Alignment = window::Align::Center;
  const Rect t = layout::kResultGroup;
  Place(TxtGroupe, "TxtGroupe", -1, &PanelCalculGIR, t.left, t.top, t.width, t.height);
  TxtGroupe.Alignment = window::Align::Center;
  TxtGroupe.font = {12.0f, true};
  TxtGroupe.Locked = true;
  const Rect c = layout::kCalculGir;
  Place(SSCommand7, "SSCommand7", -1, &Panel2, c.left, c.top, c.width, c.height);
  SSCommand7.Caption = layout::kCalculGirCaption;
}

void SaisieAggir2::ConstruitChampsCaches() {
  window::TextBox* fields[] = {&TxtVD1, &TxtVD2, &TxtVI, &TxtADV, &TxtRang};
  const char* names[] = {"TxtVD1", "TxtVD2", "TxtVI", "TxtADV", "TxtRang"};
  const Rect r = layout::kHiddenField;
  for (std::size_t i = 0; i < 5; ++i) {
    Place(*fields[i], names[i], -1, &Panel2, r.left,
          r.top + layout::kHiddenFieldStep * static_cast<int>(i), r.width, r.height);
    fields[i]->font.bold = false;
  }
}

std::vector<const window::Control*> SaisieAggir2::OrdreTabulation() const {
  std::vector<const window::Control*> order = {&TxtNom, &TxtPrenom, &TxtDossier, &TxtAdresse};
  for (int position = 1; position <= layout::kRows; ++position) {
    const int k = layout::RowAt(position);
    order.push_back(&ADV4(layout::NeFaitPasBox(k)));
    for (int j = 1; j <= layout::kAdverbs; ++j) order.push_back(&ADV(layout::AdverbBox(k, j)));
  }
  order.push_back(&SSCommand7);
  order.push_back(&TxtGroupe);  // the group, once computed
  for (const window::Panel* button : Commandes(*this)) order.push_back(button);
  return order;
}

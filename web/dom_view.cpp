// SPDX-License-Identifier: EUPL-1.2
#include "web/dom_view.h"

#include <algorithm>
#include <exception>
#include <map>

#include "calculator/window/layout.h"
#include "web/page_calls.h"

DomView::DomView(SaisieAggir2& form) : form_(form) {}

DomView::~DomView() { page::Remove(0); }

void DomView::Show() {
  page::Window(form_.Caption, layout::kClientWidth, layout::kClientHeight);
  Build();
  form_.Form_Load();
  Refresh();
  Handle([this] { form_.Form_Activate(); });
  page::Ready();
}

void DomView::Build() {
  const std::vector<const window::Control*> order = form_.OrdreTabulation();
  // A container ranks with the first of its controls that the keyboard reaches.
  Ranks ranks;
  for (std::size_t p = order.size(); p-- > 0;) {
    for (const window::Control* c = order[p]; c; c = c->Parent) ranks[c] = p;
  }
  elements_.reserve(form_.Controls().size());
  ids_.assign(form_.Controls().size(), 0);
  Create(nullptr, 0, ranks);
}

// The children of `parent`, those the keyboard reaches first and in its order, so that the
// page's order is the window's Tab order (a screen reader reads it so too); the others after
// them in the model's order. Each is painted above the controls listed before it.
void DomView::Create(const window::Control* parent, int parent_id, const Ranks& ranks) {
  const std::vector<window::Control*>& controls = form_.Controls();
  std::vector<std::size_t> children;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i]->Parent == parent) children.push_back(i);
  }
  const auto rank_of = [&](std::size_t i) {
    const auto found = ranks.find(controls[i]);
    return found == ranks.end() ? controls.size() : found->second;
  };
  std::stable_sort(children.begin(), children.end(),
                   [&](std::size_t a, std::size_t b) { return rank_of(a) < rank_of(b); });
  for (const std::size_t i : children) {
    const int id = static_cast<int>(elements_.size()) + 1;
    elements_.emplace_back(id, parent_id, *controls[i], static_cast<int>(i));
    ids_[i] = id;
    Create(controls[i], id, ranks);
  }
}

void DomView::Handle(const std::function<void()>& handler) {
  try {
    if (handler) handler();
  } catch (const std::exception& error) {
    form_.AfficheErreur(error.what());
  } catch (...) {
    form_.AfficheErreur("Une erreur inattendue a interrompu l'opération.");
  }
  Refresh();
}

// As on the desktop: what a panel covers is out of reach; when the last panel goes, the focus
// goes back where it was before the first one came, unless the window gives it elsewhere.
void DomView::Refresh() {
  const bool covered = form_.GrilleCouverte();
  if (covered && !covering_) page::Covering(true);
  for (Element& element : elements_) {
    const window::Control& control = element.Control();
    element.Refresh(accessible::Of(form_, control),
                    window::TakesFocus(control) && form_.Couvert(control));
  }
  if (!covered && covering_) page::Covering(false);
  covering_ = covered;
  if (form_.Focus) {
    const auto& controls = form_.Controls();
    const auto found = std::find(controls.begin(), controls.end(), form_.Focus);
    if (found != controls.end())
      page::Focus(ids_[static_cast<std::size_t>(found - controls.begin())]);
    form_.Focus = nullptr;
  }
}

window::Control* DomView::ControlOf(int id) {
  if (id < 1 || id > static_cast<int>(elements_.size())) return nullptr;
  return const_cast<window::Control*>(&elements_[static_cast<std::size_t>(id - 1)].Control());
}

void DomView::Click(int id) {
  if (window::Control* control = ControlOf(id)) Handle(control->Click);
}

void DomView::Toggled(int id, bool checked) {
  window::Control* control = ControlOf(id);
  if (!control || control->kind != window::Kind::CheckBox) return;
  elements_[static_cast<std::size_t>(id - 1)].UserSet(checked ? 1 : 0);
  Handle([control, checked] {
    static_cast<window::CheckBox*>(control)->Value = checked ? 1 : 0;
    if (control->Click) control->Click();
  });
}

void DomView::KeyDown(int id, int key_code, bool shift) {
  window::Control* control = ControlOf(id);
  const int code = window::KeyCodeOf(key_code, shift);
  if (control && control->KeyDown) Handle([control, code] { control->KeyDown(code); });
}

int DomView::KeyPress(int id, int key_ascii) {
  window::Control* control = ControlOf(id);
  if (!control || control->kind != window::Kind::TextBox) return key_ascii;
  auto* box = static_cast<window::TextBox*>(control);
  if (box->KeyPress) box->KeyPress(key_ascii);
  return key_ascii;
}

void DomView::Edited(int id, const std::string& text) {
  window::Control* control = ControlOf(id);
  if (!control || control->kind != window::Kind::TextBox) return;
  auto* box = static_cast<window::TextBox*>(control);
  elements_[static_cast<std::size_t>(id - 1)].UserSet(text);
  Handle([box, &text] {
    if (box->Edited) {
      box->Edited(text);
    } else {
      box->Text = text;
    }
  });
}

void DomView::MouseMove(int id) {
  if (id == 0) {
    Handle([this] { form_.Form_MouseMove(); });
  } else if (window::Control* control = ControlOf(id)) {
    if (control->MouseMove) Handle(control->MouseMove);
  }
}

void DomView::HelpKey() {
  Handle([this] { form_.Form_F1(); });
}

void DomView::OpenKey() {
  Handle([this] { form_.Form_CtrlO(); });
}

void DomView::PrintKey() {
  Handle([this] { form_.Form_CtrlP(); });
}

void DomView::EscapeKey() {
  Handle([this] { form_.Form_Escape(); });
}

void DomView::Dropped(const std::vector<std::filesystem::path>& files) {
  Handle([this, &files] { form_.Form_DragDrop(files); });
}

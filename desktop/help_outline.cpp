// SPDX-License-Identifier: EUPL-1.2
#include "desktop/help_outline.h"

#include <QDesktopServices>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <utility>

namespace {

constexpr const char* kOutlined = "aggirHelpOutline";

QAccessibleInterface* OutlineFactory(const QString&, QObject* object) {
  auto* viewport = qobject_cast<QWidget*>(object);
  if (!viewport || !viewport->property(kOutlined).toBool()) return nullptr;
  auto* browser = qobject_cast<QTextBrowser*>(viewport->parentWidget());
  return browser ? new HelpOutline(viewport, browser) : nullptr;
}

// A link cut into fragments (a word in bold inside it) is one link.
void AddLink(std::vector<HelpPart::Place>& places, const QTextFragment& fragment) {
  const QString href = fragment.charFormat().anchorHref();
  if (!places.empty() && places.back().role == QAccessible::Link && places.back().href == href &&
      places.back().position + places.back().length == fragment.position()) {
    places.back().text += fragment.text();
    places.back().length += fragment.length();
    return;
  }
  places.push_back(
      {QAccessible::Link, fragment.text(), fragment.position(), fragment.length(), href});
}

std::vector<HelpPart::Place> PlacesOf(const QTextDocument& document) {
  std::vector<HelpPart::Place> places;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() > 0) {
      places.push_back({QAccessible::Heading,
                        block.text().simplified(),
                        block.position(),
                        block.length() - 1,
                        {}});
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().isAnchor() && !fragment.charFormat().anchorHref().isEmpty()) {
        AddLink(places, fragment);
      }
    }
  }
  return places;
}

}  // namespace

void ExposeOutline(QTextBrowser* browser) {
  static const bool installed = [] {
    QAccessible::installFactory(OutlineFactory);
    return true;
  }();
  (void)installed;
  browser->viewport()->setProperty(kOutlined, true);
}

HelpPart::HelpPart(QAccessibleInterface* outline, QTextBrowser* browser, Place place)
    : outline_(outline), browser_(browser), place_(std::move(place)) {}

QString HelpPart::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return place_.text;
  if (t == QAccessible::Description && place_.role == QAccessible::Link) {
    return place_.href.startsWith('#') ? "Lien vers une partie de l'aide" : place_.href;
  }
  return {};
}

QRect HelpPart::rect() const {
  if (!browser_) return {};
  QTextCursor cursor(browser_->document());
  cursor.setPosition(place_.position);
  const QRect local = browser_->cursorRect(cursor);
  return QRect(browser_->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State HelpPart::state() const {
  QAccessible::State part;
  part.readOnly = true;
  part.focusable = place_.role == QAccessible::Link;
  part.linked = place_.role == QAccessible::Link;
  if (browser_) {
    const QTextCursor cursor = browser_->textCursor();
    part.focused = part.focusable && browser_->hasFocus() &&
                   cursor.selectionStart() == place_.position &&
                   cursor.selectionEnd() == place_.position + place_.length;
  }
  return part;
}

void* HelpPart::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList HelpPart::actionNames() const {
  if (place_.role == QAccessible::Link) return {pressAction(), setFocusAction()};
  return {setFocusAction()};
}

// Press follows the link; SetFocus puts the caret on the part (a link selected, as Tab does).
void HelpPart::doAction(const QString& action) {
  if (!browser_) return;
  if (action == pressAction() && place_.role == QAccessible::Link) {
    if (place_.href.startsWith('#')) {
      browser_->scrollToAnchor(place_.href.mid(1));
    } else {
      QDesktopServices::openUrl(QUrl(place_.href));
    }
    return;
  }
  if (action != setFocusAction()) return;
  QTextCursor cursor(browser_->document());
  cursor.setPosition(place_.position);
  if (place_.role == QAccessible::Link) {
    cursor.setPosition(place_.position + place_.length, QTextCursor::KeepAnchor);
  }
  browser_->setTextCursor(cursor);
  browser_->ensureCursorVisible();
  browser_->setFocus();
}

HelpOutline::HelpOutline(QWidget* viewport, QTextBrowser* browser)
    : QAccessibleWidget(viewport, QAccessible::Grouping, "Plan de l'aide"), browser_(browser) {}

QString HelpOutline::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return "Plan de l'aide";
  return QAccessibleWidget::text(t);
}

// Read again when the document changed; the parts of the former one go.
void HelpOutline::Read() const {
  const int revision = browser_ ? browser_->document()->characterCount() : 0;
  if (revision == revision_) return;
  revision_ = revision;
  for (const QAccessible::Id id : parts_) {
    if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
  }
  parts_.clear();
  if (!browser_) return;
  auto* self = const_cast<HelpOutline*>(this);
  for (HelpPart::Place& place : PlacesOf(*browser_->document())) {
    parts_.push_back(
        QAccessible::registerAccessibleInterface(new HelpPart(self, browser_, std::move(place))));
  }
}

int HelpOutline::childCount() const {
  Read();
  return static_cast<int>(parts_.size());
}

QAccessibleInterface* HelpOutline::child(int index) const {
  Read();
  if (index < 0 || index >= static_cast<int>(parts_.size())) return nullptr;
  return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(index)]);
}

int HelpOutline::indexOfChild(const QAccessibleInterface* child) const {
  Read();
  for (std::size_t i = 0; i < parts_.size(); ++i) {
    if (QAccessible::accessibleInterface(parts_[i]) == child) return static_cast<int>(i);
  }
  return -1;
}

// SPDX-License-Identifier: EUPL-1.2
// The help's outline for assistive technologies. The help browser exposes its text and caret
// only; its headings and links are listed besides, each a node of its own ("Plan de l'aide":
// roles heading and link), that moves the caret there or follows the link when activated,
// so that a screen reader lists them and goes from one to the next.
#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <QString>
#include <vector>

class QTextBrowser;

// Exposes the outline of `browser`'s document on the browser's viewport; once per browser.
void ExposeOutline(QTextBrowser* browser);

// A heading or a link of the document: a node without a widget of its own.
class HelpPart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  struct Place {
    QAccessible::Role role;  // Heading or Link
    QString text;
    int position, length;  // in the document's characters
    QString href;          // a link's target
  };
  HelpPart(QAccessibleInterface* outline, QTextBrowser* browser, Place place);

  bool isValid() const override { return !browser_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return outline_->window(); }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return outline_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override { return place_.role; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QAccessibleInterface* outline_;
  QPointer<QTextBrowser> browser_;
  Place place_;
};

// The viewport's node: the parts of the document shown, read again when it changes. The
// parts are kept by Qt's cache of accessible nodes, by their ids.
class HelpOutline : public QAccessibleWidget {
 public:
  HelpOutline(QWidget* viewport, QTextBrowser* browser);

  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

 private:
  void Read() const;

  QPointer<QTextBrowser> browser_;
  mutable int revision_ = -1;
  mutable std::vector<QAccessible::Id> parts_;
};

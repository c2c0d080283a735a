// SPDX-License-Identifier: EUPL-1.2
// The Qt mirror of SaisieAggir2: builds one widget per control, forwards the user's events
// to the handlers each control carries and refreshes every widget from the model afterwards.
#pragma once

#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "calculator/saisie_aggir2.h"

class QScrollArea;

class WindowView : public QWidget {
 public:
  explicit WindowView(SaisieAggir2& form);

  QWidget* WidgetOf(const window::Control& control) const;
  void Refresh();
  // Opens the sheet named on the command line; an empty name opens nothing.
  void OpenFile(const std::string& file);
  // Centres the window in a screen's free area, never beyond its edges; `frame` is what the
  // desktop adds around it (title bar, borders). A window larger than the area is cut to it
  // and scrolls, its top-left corner (title, command bar) in view.
  void PlaceIn(const QRect& free_area, const QMargins& frame);
  QScrollArea* ScrollArea() const { return scroll_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void Connect(window::Control& control, QWidget* widget);
  void ConnectCheckBox(window::CheckBox& box, QWidget* widget);
  void ConnectTextBox(window::TextBox& box, QWidget* widget);
  void FollowMouse(QWidget* widget);
  void SetTabOrder();
  // Runs a handler of the window, then brings every widget up to date. A failure ends the
  // handler, is told to the user, and the window goes on from the model as it stands.
  void Handle(const std::function<void()>& handler);
  bool FilterDroppedFiles(QEvent* event);
  bool FilterTypedKey(const window::TextBox& box, QEvent* event);
  bool FilterKeyDown(const window::Control& control, QEvent* event);
  bool FilterClick(const window::Control& control, QWidget* widget, QEvent* event);

  SaisieAggir2& form_;
  QScrollArea* scroll_;
  QWidget* client_;  // the window's client area, at its full size inside the scroll area
  std::vector<std::pair<const window::Control*, QWidget*>> widgets_;
  std::unordered_map<const window::Control*, QWidget*> by_control_;
  std::unordered_map<const QObject*, window::Control*> by_widget_;
  bool activated_ = false;
  bool covering_ = false;           // a panel lies over the grid
  QPointer<QWidget> focus_before_;  // where the focus was when it came
};

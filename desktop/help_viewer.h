// SPDX-License-Identifier: EUPL-1.2
// The help window: the calculator's help file shown in a small browser of the program's own,
// in place of the old desktop help viewer.
#pragma once

#include <QDialog>
#include <filesystem>

class QTextBrowser;

class HelpViewer : public QDialog {
 public:
  explicit HelpViewer(QWidget* parent = nullptr);

  // Shows the file, its name looked up without regard to case in its folder; a missing
  // file is said in the window.
  void Open(const std::filesystem::path& file);
  QString Text() const;

 private:
  QTextBrowser* browser_;
};

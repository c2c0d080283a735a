// SPDX-License-Identifier: EUPL-1.2
#include "desktop/help_viewer.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "desktop/help_outline.h"
#include "platform/files.h"

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
  setWindowTitle("Aide de la calculette AGGIR");
  setSizeGripEnabled(true);
  resize(640, 560);
  browser_->setOpenExternalLinks(true);
  // A caret, so that the keyboard and a screen reader go through the help part by part; Tab
  // goes from link to link.
  browser_->setTextInteractionFlags(browser_->textInteractionFlags() |
                                    Qt::TextSelectableByKeyboard);
  browser_->setAccessibleName("Texte de l'aide");
  ExposeOutline(browser_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
}

void HelpViewer::Open(const std::filesystem::path& file) {
  const auto found = platform::FindIgnoringCase(file.parent_path(), file.filename().string());
  QFile help(found ? QString::fromStdString(found->string()) : QString());
  if (found && help.open(QIODevice::ReadOnly)) {
    browser_->setHtml(QString::fromUtf8(help.readAll()));
  } else {
    browser_->setPlainText(
        QString("Le fichier d'aide « %1 » est introuvable dans le dossier « %2 ».")
            .arg(QString::fromStdString(file.filename().string()),
                 QString::fromStdString(file.parent_path().string())));
  }
  show();
  raise();
  activateWindow();
}

QString HelpViewer::Text() const { return browser_->toPlainText(); }

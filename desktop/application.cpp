// SPDX-License-Identifier: EUPL-1.2
#include "desktop/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "desktop/focus_style.h"

void PrepareApplication(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* translator = new QTranslator(&app);
  if (translator->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
  // A native chooser would follow the session's language, not the program's.
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication::setStyle(new FocusStyle);
  QGuiApplication::setDesktopFileName(AGGIR_APP_ID);
  QCoreApplication::setApplicationVersion(AGGIR_VERSION);
}

#include "app/application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/focus_style.h"

bool PrepareApplication(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  auto* translator = new QTranslator(&app);
  const bool translated =
      translator->load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (translated) QApplication::installTranslator(translator);
  // A native chooser would follow the session's language, not the program's.
  QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  QApplication::setStyle(new FocusStyle);
  QGuiApplication::setDesktopFileName(AGGIR_APP_ID);
  QCoreApplication::setApplicationVersion(AGGIR_VERSION);
  return translated;
}

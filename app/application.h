// What the program sets up in Qt before its window opens.
#pragma once

#include <QApplication>

// Qt's own texts in French whatever the session's language (the calculator speaks only
// French), Qt's own file chooser so that it speaks French too, a focus that shows on every
// control, and the desktop entry the window belongs to. False when Qt's French translation
// is missing: its texts then stay in English.
bool PrepareApplication(QApplication& app);

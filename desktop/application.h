// SPDX-License-Identifier: EUPL-1.2
// What the program sets up in Qt before its window opens.
#pragma once

#include <QApplication>

// Qt's own texts in French whatever the session's language (the calculator speaks only
// French), Qt's own file chooser so that it speaks French too, a focus that shows on every
// control, and the desktop entry the window belongs to. Without Qt's French translation
// (Debian's qt6-translations-l10n, which the package depends on) Qt's texts stay in English.
void PrepareApplication(QApplication& app);

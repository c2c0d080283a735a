// SPDX-License-Identifier: EUPL-1.2
// The real question box, whose answer the fake host otherwise gives.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "desktop/calculator_window.h"
#include "view_fixture.h"

namespace {

using platform::MessageAnswer;

}  // namespace

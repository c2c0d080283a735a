// SPDX-License-Identifier: EUPL-1.2
// Draws the calculator's window in a given state into a PNG file, for the documentation:
//   window_shot OUT.png [blank|coded|coherence|questions|profile]
// It works the window through its real widgets, as a user would.
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "calculator/window/layout.h"
#include "desktop/application.h"
#include "desktop/calculator_window.h"
#include "test_support/example_evaluation.h"

namespace {

void Click(WindowView& view, const window::Control& control) {
  QTest::mouseClick(view.WidgetOf(control), Qt::LeftButton);
}

// The pointer resting over a control, no button pressed.
void Hover(WindowView& view, const window::Control& control) {
  QWidget* widget = view.WidgetOf(control);
  const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

void TypeInto(WindowView& view, const window::Control& field, const char* text) {
  static_cast<QLineEdit*>(view.WidgetOf(field))->setFocus();
  QTest::keyClicks(view.WidgetOf(field), QString::fromUtf8(text));
}

void Identity(WindowView& view, SaisieAggir2& form) {
  TypeInto(view, form.TxtNom, example::kNom);
  TypeInto(view, form.TxtPrenom, example::kPrenom);
  TypeInto(view, form.TxtDossier, example::kDossier);
  TypeInto(view, form.TxtAdresse, example::kAdresse);
}

void Code(WindowView& view, SaisieAggir2& form) {
  Identity(view, form);
  for (int box : example::kAdverbes) Click(view, form.ADV(box));
  Click(view, form.ADV4(layout::NeFaitPasBox(example::kNeFaitPas)));
  Click(view, form.SSCommand7);
}

// A person whose coherence is coded C while washing, eating and elimination are A, and who is
// said to manage her affairs alone: the check finds two anomalies.
void Suspect(WindowView& view, SaisieAggir2& form) {
  Identity(view, form);
  Click(view, form.ADV4(101));  // Cohérence: communication NE FAIT PAS
  for (int box : {9, 25, 26, 53, 61, 85, 89, 90}) Click(view, form.ADV(box));
  Click(view, form.SSCommand7);
  Click(view, form.SSCommand2);
}

void Questions(WindowView& view, SaisieAggir2& form) {
  Code(view, form);
  Click(view, form.LabelVD(12));  // 1- Transferts
}

// The profile, the pointer on the number of "Toilette du bas".
void Profile(WindowView& view, SaisieAggir2& form) {
  Code(view, form);
  Click(view, form.SSCommand6);
  Hover(view, form.Label3(6));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: window_shot OUT.png [blank|coded|coherence|questions|profile]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  PrepareApplication(app);  // as the program does
  CalculatorWindow window;
  WindowView& view = window.view;
  SaisieAggir2& form = window.form;
  view.show();
  const std::map<std::string, std::function<void(WindowView&, SaisieAggir2&)>> scenarios = {
      {"blank", [](WindowView&, SaisieAggir2&) {}},
      {"coded", Code},
      {"coherence", Suspect},
      {"questions", Questions},
      {"profile", Profile},
  };
  const auto scenario = scenarios.find(argc > 2 ? argv[2] : "coded");
  if (scenario == scenarios.end()) {
    std::fprintf(stderr, "unknown scenario %s\n", argv[2]);
    return 2;
  }
  scenario->second(view, form);
  QApplication::processEvents();
  return window.view.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

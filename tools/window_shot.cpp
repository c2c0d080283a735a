// Draws the calculator's window in a given state into a PNG file, for the documentation:
//   window_shot OUT.png [blank|coded]
// It works the window through its real widgets, as a user would.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <string>

#include "app/calculator_window.h"
#include "tools/example_evaluation.h"

namespace {

void Click(WindowView& view, const window::Control& control) {
  QTest::mouseClick(view.WidgetOf(control), Qt::LeftButton);
}

void TypeInto(WindowView& view, const window::Control& field, const char* text) {
  static_cast<QLineEdit*>(view.WidgetOf(field))->setFocus();
  QTest::keyClicks(view.WidgetOf(field), QString::fromUtf8(text));
}

void Code(WindowView& view, SaisieAggir2& form) {
  TypeInto(view, form.TxtNom, example::kNom);
  TypeInto(view, form.TxtPrenom, example::kPrenom);
  TypeInto(view, form.TxtDossier, example::kDossier);
  TypeInto(view, form.TxtAdresse, example::kAdresse);
  for (int box : example::kAdverbes) Click(view, form.ADV(box));
  Click(view, form.ADV4(example::kNeFaitPas));
  Click(view, form.SSCommand7);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: window_shot OUT.png [blank|coded]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  CalculatorWindow window;
  window.view.show();
  const std::string scenario = argc > 2 ? argv[2] : "coded";
  if (scenario == "coded") Code(window.view, window.form);
  QApplication::processEvents();
  return window.view.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

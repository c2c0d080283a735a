// Draws the calculator's window in a given state into a PNG file, for the documentation:
//   window_shot OUT.png [blank|coded]
// It works the window through its real widgets, as a user would.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <string>

#include "app/qt_host.h"
#include "app/window_view.h"

namespace {

void Click(WindowView& view, const window::Control& control) {
  QTest::mouseClick(view.WidgetOf(control), Qt::LeftButton);
}

void TypeInto(WindowView& view, const window::Control& field, const char* text) {
  static_cast<QLineEdit*>(view.WidgetOf(field))->setFocus();
  QTest::keyClicks(view.WidgetOf(field), QString::fromUtf8(text));
}

// A person who needs help for the toilet and dressing, with some domestic activities.
void Code(WindowView& view, SaisieAggir2& form) {
  TypeInto(view, form.TxtNom, "DUPONT");
  TypeInto(view, form.TxtPrenom, "Jeanne");
  TypeInto(view, form.TxtDossier, "123");
  TypeInto(view, form.TxtAdresse, "12 rue des Lilas 29000 Quimper");
  for (int box : {21, 22, 25, 29, 33, 34, 45, 57, 61, 62, 73, 74, 77, 78, 85, 86}) {
    Click(view, form.ADV(box));
  }
  Click(view, form.ADV4(121));  // Transports: NE FAIT PAS
  Click(view, form.SSCommand7);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: window_shot OUT.png [blank|coded]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QtHost host;
  SaisieAggir2 form(host);
  WindowView view(form);
  host.SetParentWindow(&view);
  view.show();
  const std::string scenario = argc > 2 ? argv[2] : "coded";
  if (scenario == "coded") Code(view, form);
  QApplication::processEvents();
  return view.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

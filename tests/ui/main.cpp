// Runs every test class of the window on one QApplication; the exit status counts the failures.

#include "ui/window/ThaiFonts.h"

#include <QApplication>

int RunHostServicesTest(int argc, char** argv);
int RunWindowLayoutTest(int argc, char** argv);
int RunWindowRoadsTest(int argc, char** argv);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  ui::InstallThaiFontSubstitutions();
  int failures = 0;
  failures += RunHostServicesTest(argc, argv);
  failures += RunWindowLayoutTest(argc, argv);
  failures += RunWindowRoadsTest(argc, argv);
  return failures;
}

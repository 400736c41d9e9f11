// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every test class of the window on one QApplication; the exit status counts the failures.

#include <QApplication>

int RunHostServicesTest(int argc, char** argv);
int RunWindowLayoutTest(int argc, char** argv);
int RunWindowCommandsTest(int argc, char** argv);
int RunWindowRoadsTest(int argc, char** argv);
int RunProgramOptionsTest(int argc, char** argv);
int RunProjectWindowTest(int argc, char** argv);
int RunQtTranslationTest(int argc, char** argv);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  int failures = 0;
  failures += RunHostServicesTest(argc, argv);
  failures += RunWindowLayoutTest(argc, argv);
  failures += RunWindowCommandsTest(argc, argv);
  failures += RunWindowRoadsTest(argc, argv);
  failures += RunProgramOptionsTest(argc, argv);
  failures += RunProjectWindowTest(argc, argv);
  failures += RunQtTranslationTest(argc, argv);
  return failures;
}

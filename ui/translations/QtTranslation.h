// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace ui {

// Qt's own texts (standard buttons, message boxes, the file and print dialogs) in the user's
// language for as long as the object lives: Thai from the program's translation, any other language
// from Qt's.
class QtTranslation {
public:
  // `thaiFolder` holds qtbase_th.qm; by default the folder installed beside the running program.
  explicit QtTranslation(const QLocale& locale = QLocale::system(), QString thaiFolder = {});
  ~QtTranslation();
  QtTranslation(const QtTranslation&) = delete;
  QtTranslation& operator=(const QtTranslation&) = delete;

  bool installed() const { return installed_; }

private:
  QTranslator translator_;
  bool installed_ = false;
};

} // namespace ui

#include "ui/window/QtHostServices.h"

#include "ui/printing/SheetPrinters.h"
#include "ui/window/WindowCommands.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace ui {

namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

QMessageBox::Icon BoxIcon(engine::MessageIcon icon) {
  switch (icon) {
  case engine::MessageIcon::Critical:
    return QMessageBox::Critical;
  case engine::MessageIcon::Question:
    return QMessageBox::Question;
  case engine::MessageIcon::None:
    break;
  }
  return QMessageBox::NoIcon;
}

} // namespace

QtHostServices::QtHostServices(QWidget* dialogParent) : dialogParent_(dialogParent) {}

engine::MessageAnswer QtHostServices::ShowMessage(const std::string& prompt,
                                                  engine::MessageStyle style,
                                                  const std::optional<std::string>& title) {
  QMessageBox box(dialogParent_);
  box.setWindowTitle(title ? FromUtf8(*title) : QString::fromUtf8(kWindowCaption));
  box.setTextFormat(Qt::PlainText);
  box.setText(FromUtf8(prompt));
  box.setIcon(BoxIcon(style.icon));
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  if (style.buttons == engine::MessageButtons::OkCancel) {
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel); // Escape and the close box answer Cancel
  } else {
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  if (style.buttons == engine::MessageButtons::Ok) {
    return engine::MessageAnswer::Ok;
  }
  return box.clickedButton() == ok ? engine::MessageAnswer::Ok : engine::MessageAnswer::Cancel;
}

std::optional<std::string> QtHostServices::AskText(const std::string& prompt,
                                                   const std::string& title,
                                                   const std::string& offered) {
  QInputDialog dialog(dialogParent_);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(FromUtf8(title));
  dialog.setLabelText(FromUtf8(prompt));
  dialog.setTextValue(FromUtf8(offered));
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
  }
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.textValue().toStdString();
}

std::unique_ptr<engine::Printer> QtHostServices::OpenDefaultPrinter() {
  return OpenDefaultSystemPrinter();
}

std::optional<std::string> QtHostServices::AskPdfFileName(const std::string& suggestedName) {
  QFileDialog dialog(dialogParent_, QStringLiteral("บันทึกรายการคำนวณเป็นไฟล์ PDF"),
                     FromUtf8(suggestedName), QStringLiteral("PDF (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The suffix is added before the dialog asks about replacing an existing file.
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return dialog.selectedFiles().constFirst().toStdString();
}

std::unique_ptr<engine::Printer> QtHostServices::OpenPdfFile(const std::string& path) {
  return OpenPdfPrinter(path);
}

void QtHostServices::OpenWithShell(const std::string&, const std::string& target,
                                   engine::ShowCommand) {
  // The desktop opens addresses with the verb "open"; how the browser's window shows is its own.
  QDesktopServices::openUrl(QUrl(FromUtf8(target)));
}

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/QtHostServices.h"

#include "ui/printing/SheetPrinters.h"
#include "ui/window/WindowTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <climits>

namespace ui {

namespace {

constexpr int kProgressAfterMs = 500;
constexpr int kDoneShownMs = 15000;

class DialogProgress : public form::WorkProgress {
public:
  DialogProgress(QWidget* parent, const std::string& title, std::size_t total)
      : dialog_(FromUtf8(title), QStringLiteral("ยกเลิก (Cancel)"), 0,
                static_cast<int>(std::min<std::size_t>(total, INT_MAX)), parent) {
    dialog_.setWindowTitle(FromUtf8(title));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kProgressAfterMs);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
  }
  bool Step(std::size_t done) override {
    dialog_.setValue(static_cast<int>(std::min<std::size_t>(done, dialog_.maximum())));
    // Draws the window and sees the cancel button; until the dialog shows and blocks the window,
    // no click may start other work.
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
    return !dialog_.wasCanceled();
  }

private:
  QProgressDialog dialog_;
};

// Shows the prompt with its title; the text as confirmed, or nothing when cancelled or closed.
std::optional<std::string> AskInDialog(QInputDialog& dialog, const std::string& prompt,
                                       const std::string& title) {
  dialog.setWindowTitle(FromUtf8(title));
  dialog.setLabelText(FromUtf8(prompt));
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
  }
  if (dialog.exec() != QDialog::Accepted) {
    return std::nullopt;
  }
  return dialog.textValue().toStdString();
}

QMessageBox::Icon BoxIcon(form::MessageIcon icon) {
  switch (icon) {
  case form::MessageIcon::Critical:
    return QMessageBox::Critical;
  case form::MessageIcon::Question:
    return QMessageBox::Question;
  case form::MessageIcon::None:
    break;
  }
  return QMessageBox::NoIcon;
}

} // namespace

QtHostServices::QtHostServices(QWidget* dialogParent) : dialogParent_(dialogParent) {}

form::MessageAnswer QtHostServices::ShowMessage(const std::string& prompt, form::MessageStyle style,
                                                const std::optional<std::string>& title) {
  QMessageBox box(dialogParent_);
  box.setWindowTitle(title ? FromUtf8(*title) : QString::fromUtf8(kWindowCaption));
  box.setTextFormat(Qt::PlainText);
  box.setText(FromUtf8(prompt));
  box.setIcon(BoxIcon(style.icon));
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  if (style.buttons == form::MessageButtons::OkCancel) {
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel); // Escape and the close box answer Cancel
  } else {
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  if (style.buttons == form::MessageButtons::Ok) {
    return form::MessageAnswer::Ok;
  }
  return box.clickedButton() == ok ? form::MessageAnswer::Ok : form::MessageAnswer::Cancel;
}

std::optional<std::string> QtHostServices::AskText(const std::string& prompt,
                                                   const std::string& title,
                                                   const std::string& offered) {
  QInputDialog dialog(dialogParent_);
  dialog.setTextValue(FromUtf8(offered));
  return AskInDialog(dialog, prompt, title);
}

std::optional<std::string>
QtHostServices::AskTextWithChoices(const std::string& prompt, const std::string& title,
                                   const std::string& offered,
                                   const std::vector<std::string>& choices) {
  if (choices.empty()) {
    return AskText(prompt, title, offered);
  }
  QInputDialog dialog(dialogParent_);
  QStringList items;
  for (const std::string& choice : choices) {
    items << FromUtf8(choice);
  }
  dialog.setComboBoxItems(items);
  dialog.setComboBoxEditable(true);
  auto* field = dialog.findChild<QComboBox*>();
  // What is typed is answered as typed: no item completes it, and Enter adds nothing to the list.
  field->setCompleter(nullptr);
  field->setInsertPolicy(QComboBox::NoInsert);
  field->setCurrentIndex(-1); // the list opens with no item marked until one is picked
  dialog.setTextValue(FromUtf8(offered));
  field->lineEdit()->selectAll(); // typing replaces the offered text
  return AskInDialog(dialog, prompt, title);
}

std::unique_ptr<report::Printer> QtHostServices::OpenDefaultPrinter() {
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

std::unique_ptr<report::Printer> QtHostServices::OpenPdfFile(const std::string& path) {
  return OpenPdfPrinter(path);
}

bool QtHostServices::OpenAddress(const std::string& address) {
  return QDesktopServices::openUrl(QUrl(FromUtf8(address)));
}

std::unique_ptr<form::WorkProgress> QtHostServices::StartProgress(const std::string& title,
                                                                  std::size_t total) {
  return std::make_unique<DialogProgress>(dialogParent_, title, total);
}

void QtHostServices::ShowDone(const std::string& text) {
  auto* window = dialogParent_ ? qobject_cast<QMainWindow*>(dialogParent_->window()) : nullptr;
  if (window != nullptr) {
    window->statusBar()->showMessage(FromUtf8(text), kDoneShownMs);
  }
}

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/HostServices.h"

#include <QPointer>
#include <QWidget>

namespace ui {

// The host services on Qt: modal message boxes and prompts over the window, the system's
// printers, PDF files and the desktop's handler for web addresses.
class QtHostServices : public form::HostServices {
public:
  explicit QtHostServices(QWidget* dialogParent = nullptr);

  // The window the dialogs stand over; they are centred on it.
  void setDialogParent(QWidget* parent) { dialogParent_ = parent; }

  form::MessageAnswer ShowMessage(const std::string& prompt, form::MessageStyle style,
                                  const std::optional<std::string>& title) override;
  std::optional<std::string> AskText(const std::string& prompt, const std::string& title,
                                     const std::string& offered) override;
  std::optional<std::string> AskTextWithChoices(const std::string& prompt, const std::string& title,
                                                const std::string& offered,
                                                const std::vector<std::string>& choices) override;
  std::unique_ptr<report::Printer> OpenDefaultPrinter() override;
  std::optional<std::string> AskPdfFileName(const std::string& suggestedName) override;
  std::unique_ptr<report::Printer> OpenPdfFile(const std::string& path) override;
  bool OpenAddress(const std::string& address) override;

private:
  QPointer<QWidget> dialogParent_;
};

} // namespace ui

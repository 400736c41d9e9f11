// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FormFields.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QLineEdit;
class QPushButton;

namespace form {
class FormState;
class HostServices;
} // namespace form

namespace ui {

class ClickableLabel;
class QtHostServices;

// The form inside the project window: the selected column's drawing with its input captions, the
// verdict, the sheet's header fields and the commands. It holds the form state the logic works on,
// runs every handler through the failure guard and shows the state again when the handler returns.
class ColumnForm : public QWidget {
  Q_OBJECT
public:
  // Without a host the window uses the Qt dialogs, printers and shell.
  explicit ColumnForm(form::HostServices* host = nullptr, QWidget* parent = nullptr);
  ~ColumnForm() override;

  form::FormState& state() { return *state_; }
  form::HostServices& host() { return *host_; }

  // What the Exit command does; by default the application's event loop ends.
  void setExitAction(std::function<void()> exit) { exitAction_ = std::move(exit); }

  // Places the window in the middle of the screen's available area.
  void centreOnScreen();

  // Asks for one input, as a click on its caption does.
  void askForInput(form::Input input);
  // Opens the handbook, as the download line does.
  void openHandbook();

  // Shows the form state again after something other than a handler changed it.
  void showStateAgain() { showState(); }

signals:
  // After every handler: the form state may have changed.
  void stateEdited();
  // After the user typed into a header field; its text is in the form state.
  void headerTyped(form::HeaderField field);

private:
  using Handler = std::function<void(form::FormState&, form::HostServices&)>;

  void buildControls();
  void connectHandlers();
  void runHandler(const Handler& handler);
  // Shows on the address line where the handbook the download line opens is.
  void showHandbookPath();
  // Puts the form state's captions, header texts and print state on the widgets.
  void showState();
  // Marks the suggestion as a link while there is a pipe to take.
  void showSuggestionOffer();

  std::unique_ptr<QtHostServices> ownHost_;
  form::HostServices* host_;
  std::unique_ptr<form::FormState> state_; // held apart: moc cannot parse the record's headers
  std::function<void()> exitAction_;
  std::array<ClickableLabel*, form::kAllCaptions.size() + form::kAssessmentCaptions.size()>
      captions_{};
  std::array<QLineEdit*, form::kAllHeaderFields.size()> headerFields_{};
  QPushButton* printButton_ = nullptr;
  QString handbookPath_;
};

} // namespace ui

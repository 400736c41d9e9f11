#pragma once

#include "engine/FormState.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;

namespace engine {
class HostServices;
}

namespace ui {

class ClickableLabel;
class QtHostServices;

// The program's one window: the column drawing with its input captions, the verdict, the sheet's
// header fields and the commands. It holds the form state the logic works on, runs every handler
// through the failure guard and shows the state again when the handler returns.
class Form1 : public QWidget {
  Q_OBJECT
public:
  // Without a host the window uses the Qt dialogs, printers and shell.
  explicit Form1(engine::HostServices* host = nullptr, QWidget* parent = nullptr);
  ~Form1() override;

  engine::FormState& state() { return state_; }
  engine::HostServices& host() { return *host_; }

  // What the Exit command does; by default the application's event loop ends.
  void setExitAction(std::function<void()> exit) { exitAction_ = std::move(exit); }

  // Places the window in the middle of the screen's available area.
  void centreOnScreen();

private:
  using Handler = std::function<void(engine::FormState&, engine::HostServices&)>;

  void buildControls();
  void connectHandlers();
  void runHandler(const Handler& handler);
  // Puts the form state's captions, texts and print state on the widgets.
  void showState();

  std::unique_ptr<QtHostServices> ownHost_;
  engine::HostServices* host_;
  engine::FormState state_;
  std::function<void()> exitAction_;
  std::array<ClickableLabel*, engine::kAllCaptions.size()> captions_{};
  std::array<QLineEdit*, engine::kAllFields.size()> fields_{};
  QPushButton* printButton_ = nullptr;
};

} // namespace ui

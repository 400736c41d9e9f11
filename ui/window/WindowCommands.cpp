#include "ui/window/WindowCommands.h"

#include "engine/FormState.h"
#include "engine/HostServices.h"

#include <string>

namespace ui {

void Form_Load(engine::FormState&) {}

void Command4_Click(engine::FormState& form) {
  form.setText(engine::Field::Text15, {});
  form.setText(engine::Field::Text16, {});
  form.setText(engine::Field::Text17, {});
}

void Label8_Click(engine::HostServices& host) {
  host.OpenWithShell("open", std::string(kDownloadAddress), engine::ShowCommand::Maximized);
}

} // namespace ui

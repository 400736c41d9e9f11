#pragma once

#include "engine/PictureId.h"

#include <string>
#include <vector>

namespace engine {
class FormState;
class HostServices;
class Printer;
} // namespace engine

namespace report {

// The print command: asks for confirmation, then prints the one-page calculation sheet of the
// last calculation on the default printer (or, where the host has none, offers a PDF file).
// A printing failure aborts the document and is reported in a message box.
void Command3_Click(engine::FormState& form, engine::HostServices& host);

// Writes the sheet onto an open document and ends it; throws on the first failing operation.
void PrintCalculationSheet(const engine::FormState& form, engine::Printer& printer);

} // namespace report

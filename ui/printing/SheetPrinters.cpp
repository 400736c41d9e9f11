#include "ui/printing/SheetPrinters.h"

namespace ui {

std::unique_ptr<engine::Printer> OpenDefaultSystemPrinter() { return nullptr; }

std::unique_ptr<engine::Printer> OpenPdfPrinter(const std::string&) {
  throw engine::PrinterError("PDF output is not available yet");
}

} // namespace ui

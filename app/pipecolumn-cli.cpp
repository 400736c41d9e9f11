#include "app/CommandLine.h"

#include "engine/FormState.h"

#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const app::SheetWriter writeSheet = [](const engine::FormState&, const std::string&) {
    throw std::runtime_error("PDF output is not available in this build");
  };
  return static_cast<int>(app::RunCommandLine(arguments, std::cout, std::cerr, writeSheet));
}

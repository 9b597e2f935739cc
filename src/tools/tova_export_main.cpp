// tova-export: a drawing exported without the window.
#include <iostream>
#include <string>
#include <vector>

#include "tools/export_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tova::RunExport(arguments, std::cout, std::cerr);
}

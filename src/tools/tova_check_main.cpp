// tova-check: students' drawings compared with the key of their exercise.
#include <iostream>
#include <string>
#include <vector>

#include "tools/check_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tova::RunCheck(arguments, std::cout, std::cerr);
}

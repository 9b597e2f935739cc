// tova-exercise: an exercise file made from the key drawing of an exercise.
#include <iostream>
#include <string>
#include <vector>

#include "tools/exercise_command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tova::RunExercise(arguments, std::cout, std::cerr);
}

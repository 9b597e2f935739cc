#include "support/test_program.h"

#include <fstream>
#include <iterator>
#include <random>

#include "app/startup.h"

namespace tova::testing {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

StartedProgram::StartedProgram() {
  const TempWorkingFolder emptyFolder;
  Form_Load(program);
  shell.ForgetCalls();
}

TempWorkingFolder::TempWorkingFolder() : previous_(std::filesystem::current_path()) {
  path_ = std::filesystem::temp_directory_path() / ("tova-test-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(path_);
  std::filesystem::current_path(path_);
}

TempWorkingFolder::~TempWorkingFolder() {
  std::error_code error;
  std::filesystem::current_path(previous_, error);
  std::filesystem::remove_all(path_, error);
}

void TempWorkingFolder::Write(const std::string& name, const std::string& text) const {
  std::ofstream(path_ / name, std::ios::binary) << text;
}

}  // namespace tova::testing

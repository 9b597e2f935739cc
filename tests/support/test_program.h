// A fresh program talking to a scripted shell: `TestProgram t;` and go.
#pragma once

#include <filesystem>
#include <string>

#include "app/program.h"
#include "support/scripted_shell.h"

namespace tova::testing {

struct TestProgram {
  ScriptedShell shell;
  Program program{shell};
};

// A program after start-up without a start-up document: the ready state, nothing drawn, no
// beeps or boxes counted yet.
struct StartedProgram : TestProgram {
  StartedProgram();
};

// The bytes of a file; empty when it cannot be read.
std::string ReadAll(const std::filesystem::path& path);

// Makes an empty folder the current working folder for as long as it lives.
class TempWorkingFolder {
 public:
  TempWorkingFolder();
  ~TempWorkingFolder();
  TempWorkingFolder(const TempWorkingFolder&) = delete;
  TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `text` byte for byte to a file of that name in the folder.
  void Write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path previous_, path_;
};

}  // namespace tova::testing

// A fresh program talking to a scripted shell (`TestProgram t;` and go), and ways to drive and
// look at its canvas.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "app/canvas_input.h"
#include "app/startup.h"
#include "canvas/cross_hair.h"
#include "diagram/rendering.h"
#include "program/program.h"
#include "support/scripted_shell.h"

namespace tova::testing {

struct TestProgram {
  ScriptedShell shell;
  Program program{shell};
};

// The bytes of a file; empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Makes an empty folder the current working folder for as long as it lives.
class TempWorkingFolder {
 public:
  TempWorkingFolder() : previous_(std::filesystem::current_path()) {
    path_ = std::filesystem::temp_directory_path() / ("tova-test-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
  }
  ~TempWorkingFolder() {
    std::error_code error;
    std::filesystem::current_path(previous_, error);
    std::filesystem::remove_all(path_, error);
  }
  TempWorkingFolder(const TempWorkingFolder&) = delete;
  TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes `text` byte for byte to a file of that name in the folder.
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
  }

 private:
  std::filesystem::path previous_, path_;
};

// A program after start-up without a start-up document: the ready state, nothing drawn, no
// beeps or boxes counted yet.
struct StartedProgram : TestProgram {
  StartedProgram() {
    const TempWorkingFolder emptyFolder;
    Form_Load(program);
    shell.ForgetCalls();
  }
};

// A move to a point on the canvas, then the press there; and a click at each point in turn.
inline void Click(Program& p, double x, double y) { P_MouseMove(p, x, y), P_MouseDown(p, x, y); }
inline void Clicks(Program& p, const std::vector<std::pair<int, int>>& points) {
  for (auto [x, y] : points) Click(p, x, y);
}

// figureStage, firstViewStep, secondViewStep, pendingCommit.
inline std::tuple<int, int, int, int> Stage(const Program& p) {
  return {p.canvas.figureStage, p.canvas.firstViewStep, p.canvas.secondViewStep, p.canvas.pendingCommit};
}

// The canvas without the guide lines: they are drawn once more, in XOR, on a copy.
inline Image WithoutCrossHair(Program& p) {
  DrawCrossHair(p, p.canvas.markX, p.canvas.markY);
  Image image = p.P.Snapshot();
  DrawCrossHair(p, p.canvas.markX, p.canvas.markY);
  return image;
}

// What the canvas shows when the stored drawing is painted afresh on a cleared canvas.
inline Image FreshDrawing(const Program& p) {
  TestProgram fresh;
  fresh.program.tables = p.tables;
  fresh.program.P.SetBackColour(p.P.BackColour());
  fresh.program.P.Clear();
  RedrawDiagram(fresh.program);
  return fresh.program.P.Snapshot();
}

}  // namespace tova::testing

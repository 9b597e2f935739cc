// The native side of the browser tests: plays a script (support/script_player.h) in OUT_DIR, which
// holds the start-up document, and writes to steps.txt after each event the controls, readouts,
// pixels' digests, saved drawings and answers given; with --random, a random session it makes as
// it goes and writes to OUT_DIR/script.txt, answering boxes and dialogs at random from SEED; with
// --exercise-canvas, the canvas as the user sees it (the drawing with the exercise's pictures under
// and over it) after the script's events on the exercise, as a binary PPM. Usage: see main.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

#include "app/startup.h"
#include "exercise/exercise_pictures.h"
#include "support/script_player.h"
#include "support/test_program.h"

namespace tova {
namespace {

// FNV-1a over bytes, as the page computes it.
template <typename Bytes>
uint32_t Fnv(const Bytes& bytes) {
  uint32_t h = 2166136261u;
  for (const auto byte : bytes) h = (h ^ static_cast<uint8_t>(byte)) * 16777619u;
  return h;
}

// The pixels as RGBA bytes.
uint32_t Digest(const Surface& surface) {
  std::vector<uint8_t> bytes;
  for (const uint32_t p : surface.Snapshot().pixels) {
    bytes.insert(bytes.end(), {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p), 0xFF});
  }
  return Fnv(bytes);
}

// The saved drawings, "NAME:DIGEST" each, by name.
std::string SavedFiles() {
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(".")) {
    if (entry.path().extension() != ".KRT") continue;
    files.insert(entry.path().filename().string() + ":" + std::to_string(Fnv(testing::ReadAll(entry.path()))));
  }
  std::string out;
  for (const std::string& f : files) out += (out.empty() ? "" : " ") + f;
  return out;
}

std::string Controls(const testing::ScriptedShell& shell) {
  std::string enabled = "enabled:", shown = "shown:";
  for (int i = 0; i < kControlCount; ++i) {
    const Control c = static_cast<Control>(i);
    const bool box = c == Control::Form1 || c == Control::P || c == Control::D;
    if (box ? shell.visible(c).value_or(c != Control::D) : shell.enabled(c).value_or(true)) {
      (box ? shown : enabled) += " " + std::string(ControlName(c));
    }
  }
  return enabled + "; " + shown + "\t" + shell.text(Control::Text1) + "|" + shell.text(Control::Text2) + "|" +
         shell.text(Control::Text3);
}

std::vector<testing::Words> ReadScript(const char* path) {
  std::vector<testing::Words> lines;
  for (std::ifstream script(path); script;) {
    std::string line;
    std::getline(script, line);
    std::istringstream words(line);
    lines.emplace_back(std::istream_iterator<std::string>(words), std::istream_iterator<std::string>());
  }
  return lines;
}

int ExerciseCanvas(const char* exercise, const char* out, const char* script) {
  testing::ScriptedShell shell;
  Program program(shell);
  Form_Load(program, exercise);
  testing::ScriptPlayer player(program, shell);
  for (const testing::Words& w : ReadScript(script)) {
    if (!w.empty()) player.Play(w);
  }
  std::vector<uint32_t> pixels(static_cast<std::size_t>(kCanvasWidth) * kCanvasHeight);
  ComposeCanvas(program, {0, 0, kCanvasWidth, kCanvasHeight}, pixels.data(), kCanvasWidth);
  std::ofstream ppm(out, std::ios::binary);
  ppm << "P6\n" << kCanvasWidth << " " << kCanvasHeight << "\n255\n";
  for (const uint32_t p : pixels) ppm.put(char(p >> 16)).put(char(p >> 8)).put(char(p));
  return ppm && program.exercise.exercise ? 0 : 1;
}

}  // namespace
}  // namespace tova

int main(int argc, char** argv) {
  using namespace tova;
  const bool random = argc == 5 && std::string(argv[1]) == "--random";
  if ((argc == 4 || argc == 5) && std::string(argv[1]) == "--exercise-canvas") {
    return ExerciseCanvas(argv[2], argv[3], argc == 5 ? argv[4] : "/dev/null");
  }
  if (argc != 3 && !random) {
    std::cerr << "usage: web_replay SCRIPT OUT_DIR | web_replay --random SEED EVENTS OUT_DIR\n"
                 "       web_replay --exercise-canvas EXERCISE OUT.ppm [SCRIPT]\n";
    return 2;
  }
  const std::vector<tova::testing::Words> lines = ReadScript(random ? "/dev/null" : argv[1]);
  std::filesystem::current_path(argv[argc - 1]);
  tova::testing::ScriptedShell shell;
  if (random) tova::testing::ImproviseAnswers(shell, std::stoul(argv[2]));
  tova::testing::RandomEvents events(random ? std::stoul(argv[2]) : 0, true);
  Program program(shell);
  Form_Load(program);
  tova::testing::ScriptPlayer player(program, shell);
  std::ofstream steps("steps.txt"), made(random ? "script.txt" : "/dev/null");
  for (std::size_t i = 0; random ? i < std::stoul(argv[3]) : i < lines.size(); ++i) {
    const tova::testing::Words w = random ? events.Next(program, shell) : lines[i];
    if (w.empty()) continue;
    for (const std::string& word : w) made << word << (&word == &w.back() ? "\n" : " ");
    shell.script.given.clear();
    player.Play(w);
    steps << Controls(shell) << "\t" << Digest(program.P) << "\t" << Digest(program.D) << "\t" << SavedFiles() << "\t"
          << shell.script.given << "\n";
  }
  // A box or dialog the script did not expect has failed.
  return ::testing::UnitTest::GetInstance()->ad_hoc_test_result().Failed() ? 1 : 0;
}

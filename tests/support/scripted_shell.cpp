#include "support/scripted_shell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tova::testing {

template <typename T>
T DialogScript::Next(std::deque<T>& queue, const std::function<T()> Improviser::*improvise, const char* what,
                     T otherwise) {
  if (queue.empty() && improviser_) return (*improviser_.*improvise)();
  if (queue.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return otherwise;
  }
  T next = std::move(queue.front());
  queue.pop_front();
  return next;
}

void ScriptedShell::Log(const std::string& what, Control c, const std::string& value) {
  log_.push_back(what + " " + std::string(ControlName(c)) + " " + value);
}

void ScriptedShell::Enable(Control control, bool enabled) {
  enabled_[Index(control)] = enabled;
  Log("enable", control, enabled ? "1" : "0");
}

void ScriptedShell::Show(Control control, bool visible) {
  visible_[Index(control)] = visible;
  Log("show", control, visible ? "1" : "0");
}

void ScriptedShell::SetText(Control control, std::string_view text) {
  texts_[Index(control)] = std::string(text);
  Log("text", control, texts_[Index(control)]);
}

void ScriptedShell::SetValue(Control control, int16_t value) {
  values_[Index(control)] = value;
  Log("value", control, std::to_string(value));
}

void ScriptedShell::SetBackColour(Control control, Rgb colour) {
  backColours[Index(control)] = colour;
  log_.push_back("colour " + std::string(ControlName(control)));
}

void ScriptedShell::Beep() {
  ++beeps_;
  log_.push_back("beep");
}

void ScriptedShell::ForgetCalls() {
  beeps_ = 0;
  log_.clear();
  script.boxes_.clear();
  script.promptsShown_.clear();
  script.openFields_.clear();
}

Answer ScriptedShell::MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  log_.push_back("box " + std::string(text));
  script.boxes_.push_back({std::string(text), std::string(title), buttons, icon});
  if (buttons == Buttons::Ok) return Answer::Ok;  // a box with only OK answers by itself
  return script.Next(script.answers_, &DialogScript::Improviser::answer, "question", Answer::Cancel);
}

std::string ScriptedShell::PromptText(std::string_view prompt, std::string_view title, std::string_view preset) {
  script.promptsShown_.push_back({std::string(prompt), std::string(title), std::string(preset)});
  return script.Next(script.prompts_, &DialogScript::Improviser::prompt, "prompt", std::string());
}

std::optional<std::string> ScriptedShell::OpenFileDialog(std::string_view fileNameField) {
  script.openFields_.emplace_back(fileNameField);
  return script.Next(script.opens_, &DialogScript::Improviser::open, "Open dialog", std::optional<std::string>());
}

bool ScriptedShell::SaveFile(std::string_view path, std::string_view bytes) {
  log_.push_back("save " + std::string(path) + " " + std::to_string(std::hash<std::string_view>{}(bytes)));
  const std::filesystem::path target(path), temporary = std::string(path) + ".saving";
  std::error_code error;
  if (std::filesystem::is_directory(target, error)) return false;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
    out.close();
    std::filesystem::remove(temporary, error);
    return false;
  }
  out.close();
  std::filesystem::rename(temporary, target, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

}  // namespace tova::testing

#include "support/scripted_shell.h"

#include <filesystem>
#include <fstream>
#include <functional>

namespace tova::testing {

namespace {
std::string Name(Control c) { return std::string(ControlName(c)); }
}  // namespace

void ScriptedShell::Enable(Control control, bool enabled) {
  enabled_[Index(control)] = enabled;
  log_.push_back("enable " + Name(control) + (enabled ? " 1" : " 0"));
}

void ScriptedShell::Show(Control control, bool visible) {
  visible_[Index(control)] = visible;
  log_.push_back("show " + Name(control) + (visible ? " 1" : " 0"));
}

void ScriptedShell::SetText(Control control, std::string_view text) {
  texts_[Index(control)] = std::string(text);
  log_.push_back("text " + Name(control) + " " + std::string(text));
}

void ScriptedShell::SetValue(Control control, int16_t value) {
  values_[Index(control)] = value;
  log_.push_back("value " + Name(control) + " " + std::to_string(value));
}

void ScriptedShell::Beep() {
  ++beeps_;
  log_.push_back("beep");
}

void ScriptedShell::SetBackColour(Control control, Rgb colour) {
  backColours[Index(control)] = colour;
  log_.push_back("colour " + Name(control));
}

bool ScriptedShell::SaveFile(std::string_view path, std::string_view bytes) {
  log_.push_back("save " + std::string(path) + " " + std::to_string(std::hash<std::string_view>{}(bytes)));
  const std::filesystem::path target(path);
  std::error_code error;
  if (std::filesystem::is_directory(target, error)) return false;
  const std::filesystem::path temporary = target.string() + ".saving";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, target, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

tova::Answer ScriptedShell::MessageBox(std::string_view text, std::string_view title,
                                       Buttons buttons, Icon icon) {
  log_.push_back("box " + std::string(text));
  return script.MessageBox(text, title, buttons, icon);
}

}  // namespace tova::testing

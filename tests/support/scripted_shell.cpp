#include "support/scripted_shell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/controls.h"

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

bool Usable(const ScriptedShell& shell, std::string_view name) {
  for (const MenuLayout& menu : kMenuBar) {
    for (const MenuItemLayout& item : menu.items) {
      if (item.name == name && !Usable(shell, menu.name)) return false;
    }
  }
  for (int i = 0; i < kControlCount; ++i) {
    if (ControlName(static_cast<Control>(i)) == name) return shell.enabled(static_cast<Control>(i)).value_or(true);
  }
  return true;
}

void ScriptedShell::ForgetCalls() {
  log_.clear();
  script.boxes.clear();
  script.prompts.clear();
  script.openFields.clear();
}

Answer ScriptedShell::MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) {
  log_.push_back("box " + std::string(text));
  script.boxes.push_back({std::string(text), std::string(title), buttons, icon});
  // A box with only OK answers by itself.
  const Answer a = buttons == Buttons::Ok ? Answer::Ok
                                          : script.Next(script.answers_, &DialogScript::Improviser::answer,
                                                        "question", Answer::Cancel);
  script.given += a == Answer::Ok ? " ok" : " cancel";
  return a;
}

std::string ScriptedShell::PromptText(std::string_view prompt, std::string_view title,
                                      std::string_view preset) {
  script.prompts.push_back({std::string(prompt), std::string(title), std::string(preset)});
  std::string text = script.Next(script.prompts_, &DialogScript::Improviser::prompt, "prompt", std::string());
  script.given += " prompt:" + text;
  return text;
}

std::optional<std::string> ScriptedShell::OpenFileDialog(std::string_view fileNameField) {
  script.openFields.emplace_back(fileNameField);
  auto path = script.Next<std::optional<std::string>>(script.opens_, &DialogScript::Improviser::open, "Open", {});
  script.given += " open:" + path.value_or("");
  return path;
}

bool ScriptedShell::SaveFile(std::string_view path, std::string_view bytes) {
  log_.push_back("save " + std::string(path) + " " + std::to_string(std::hash<std::string_view>{}(bytes)));
  if (std::filesystem::is_directory(path)) return false;
  std::ofstream out{std::string(path), std::ios::binary};
  return out && out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush();
}

}  // namespace tova::testing

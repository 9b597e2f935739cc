#include "support/dialog_script.h"

#include <gtest/gtest.h>

namespace tova::testing {

tova::Answer DialogScript::MessageBox(std::string_view text, std::string_view title,
                                      Buttons buttons, Icon icon) {
  boxes_.push_back({std::string(text), std::string(title), buttons, icon});
  if (buttons == Buttons::Ok) return tova::Answer::Ok;
  if (answers_.empty() && improviser_) return improviser_->answer();
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question: \"" << text << "\"";
    return tova::Answer::Cancel;
  }
  const tova::Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

std::string DialogScript::PromptText(std::string_view prompt, std::string_view title,
                                     std::string_view preset) {
  promptsShown_.push_back({std::string(prompt), std::string(title), std::string(preset)});
  if (prompts_.empty() && improviser_) return improviser_->prompt();
  if (prompts_.empty()) {
    ADD_FAILURE() << "unexpected prompt: \"" << prompt << "\"";
    return {};
  }
  std::string a = std::move(prompts_.front());
  prompts_.pop_front();
  return a;
}

std::optional<std::string> DialogScript::OpenFileDialog(std::string_view fileNameField) {
  openFields_.emplace_back(fileNameField);
  if (opens_.empty() && improviser_) return improviser_->open();
  if (opens_.empty()) {
    ADD_FAILURE() << "unexpected Open dialog";
    return std::nullopt;
  }
  std::optional<std::string> a = std::move(opens_.front());
  opens_.pop_front();
  return a;
}

}  // namespace tova::testing

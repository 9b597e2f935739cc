// Answers the program's questions, prompts and Open dialogs from queues filled by a test, and
// records every box shown. A question that the test did not expect fails the test.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace tova::testing {

struct ShownBox {
  std::string text;
  std::string title;
  Buttons buttons;
  Icon icon;
};

class DialogScript {
 public:
  // Queue the answers, in the order the questions will come.
  void QueueAnswer(tova::Answer answer) { answers_.push_back(answer); }
  void QueuePrompt(std::string text) { prompts_.push_back(std::move(text)); }
  void QueueOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }

  // With an improviser, a question, prompt or dialog that finds its queue empty is answered by
  // it instead of failing the test.
  struct Improviser {
    std::function<tova::Answer()> answer;
    std::function<std::string()> prompt;
    std::function<std::optional<std::string>()> open;
  };
  void Improvise(Improviser improviser) { improviser_ = std::move(improviser); }

  // Boxes with only an OK button answer Ok by themselves; questions take the next answer.
  tova::Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons,
                          Icon icon);
  std::string PromptText(std::string_view prompt, std::string_view title, std::string_view preset);
  std::optional<std::string> OpenFileDialog(std::string_view fileNameField);

  const std::vector<ShownBox>& boxes() const { return boxes_; }
  struct Prompt {
    std::string prompt, title, preset;
  };
  const std::vector<Prompt>& prompts() const { return promptsShown_; }
  const std::vector<std::string>& openFields() const { return openFields_; }
  void ForgetShown() {
    boxes_.clear();
    promptsShown_.clear();
    openFields_.clear();
  }
  // True when every queued answer was used.
  bool Exhausted() const { return answers_.empty() && prompts_.empty() && opens_.empty(); }

 private:
  std::optional<Improviser> improviser_;
  std::deque<tova::Answer> answers_;
  std::deque<std::string> prompts_;
  std::deque<std::optional<std::string>> opens_;
  std::vector<ShownBox> boxes_;
  std::vector<Prompt> promptsShown_;
  std::vector<std::string> openFields_;
};

}  // namespace tova::testing

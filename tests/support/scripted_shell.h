// A shell for tests: remembers the state of every control, counts beeps, keeps a log of calls in
// order, and answers questions, prompts and Open dialogs from queues that a test fills. A
// question that the test did not expect fails the test, unless an improviser answers it.
#pragma once

#include <algorithm>
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace tova::testing {

struct ShownBox { std::string text, title; Buttons buttons; Icon icon; };

class DialogScript {
 public:
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  void QueuePrompt(std::string text) { prompts_.push_back(std::move(text)); }
  void QueueOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
  struct Improviser {
    std::function<Answer()> answer;
    std::function<std::string()> prompt;
    std::function<std::optional<std::string>()> open;
  };
  void Improvise(Improviser improviser) { improviser_ = std::move(improviser); }

  // What was shown, in order.
  struct Prompt { std::string prompt, title, preset; };
  std::vector<ShownBox> boxes;
  std::vector<Prompt> prompts;
  std::vector<std::string> openFields;
  // The answers given, in order: " ok" or " cancel" for a box, " prompt:TEXT", " open:PATH".
  std::string given;
  // True when every queued answer was used.
  bool Exhausted() const { return answers_.empty() && prompts_.empty() && opens_.empty(); }

 private:
  friend class ScriptedShell;
  // The next answer from a queue, else the improviser's, else a failure and `otherwise`.
  template <typename T>
  T Next(std::deque<T>& queue, const std::function<T()> Improviser::*improvise, const char* what,
         T otherwise);

  std::optional<Improviser> improviser_;
  std::deque<Answer> answers_;
  std::deque<std::string> prompts_;
  std::deque<std::optional<std::string>> opens_;
};

class ScriptedShell : public Shell {
 public:
  void Enable(Control c, bool on) override { Log("enable", c, on ? "1" : "0"), enabled_[Index(c)] = on; }
  void Show(Control c, bool on) override { Log("show", c, on ? "1" : "0"), visible_[Index(c)] = on; }
  void SetText(Control c, std::string_view text) override { Log("text", c, texts_[Index(c)] = text); }
  int16_t Value(Control c) const override { return values_[Index(c)]; }
  void SetValue(Control c, int16_t v) override { Log("value", c, std::to_string(values_[Index(c)] = v)); }
  void SetBackColour(Control c, Rgb colour) override {
    log_.push_back("colour " + Name(c)), backColours[Index(c)] = colour;
  }
  void Beep() override { log_.push_back("beep"); }
  void Present(Control, int pauseMs) override { pauses += pauseMs > 0; }
  Answer MessageBox(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string PromptText(std::string_view prompt, std::string_view title, std::string_view preset) override;
  std::optional<std::string> OpenFileDialog(std::string_view fileNameField) override;
  void ClearClipboard() override { clipboard = Image{}; }
  void PutClipboardPicture(const Image& picture) override { clipboard = picture; }
  Image ClipboardPicture() override { return clipboard; }
  void OpenHelpPage(std::string_view path) override { helpPages.emplace_back(path); }
  // Writes real files.
  bool SaveFile(std::string_view path, std::string_view bytes) override;
  std::string ProgramFolder() override { return "/opt/tova"; }
  void EndProgram() override { ++ended; }
  double Clock() override { return clock; }
  bool OfferFile(std::string_view name, std::string_view bytes) override {
    return offered.push_back({std::string(name), std::string(bytes)}), true;
  }
  void StoreRecoveryCopy(std::string_view bytes) override { recoveryCopy = bytes, ++recoveryStores; }

  // Enabled or visible as last set; nothing when the program never set it.
  std::optional<bool> enabled(Control c) const { return enabled_[Index(c)]; }
  std::optional<bool> visible(Control c) const { return visible_[Index(c)]; }
  const std::string& text(Control c) const { return texts_[Index(c)]; }
  int beeps() const { return static_cast<int>(std::ranges::count(log_, std::string("beep"))); }
  // "beep", "enable C0 1", "show D 0", "text Text3  0", "value Check1 1", "box <text>", ...
  const std::vector<std::string>& log() const { return log_; }
  // Forgets the beeps, the log, and the boxes, prompts and dialogs shown so far.
  void ForgetCalls();

  DialogScript script;
  std::array<std::optional<Rgb>, kControlCount> backColours{};
  int ended = 0;
  int pauses = 0;  // how often the program paused between pictures
  Image clipboard;
  std::vector<std::string> helpPages;
  double clock = 0;  // what Clock says; a test moves it
  struct OfferedFile { std::string name, bytes; };
  std::vector<OfferedFile> offered;
  std::string recoveryCopy;  // the copy as last stored; empty when removed or never stored
  int recoveryStores = 0;

 private:
  static std::size_t Index(Control c) { return static_cast<std::size_t>(c); }
  static std::string Name(Control c) { return std::string(ControlName(c)); }
  void Log(const std::string& what, Control c, const std::string& value) {
    log_.push_back(what + " " + Name(c) + " " + value);
  }

  std::array<std::optional<bool>, kControlCount> enabled_{};
  std::array<std::optional<bool>, kControlCount> visible_{};
  std::array<std::string, kControlCount> texts_{};
  std::array<int16_t, kControlCount> values_{};
  std::vector<std::string> log_;
};

// Whether the named button can be pressed, or the named menu item chosen: the control, and the menu
// the item is in, are enabled (a menu or item the program never switches always is).
bool Usable(const ScriptedShell& shell, std::string_view name);

}  // namespace tova::testing

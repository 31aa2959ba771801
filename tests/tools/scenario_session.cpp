#include "scenario_session.hpp"

#include <charconv>
#include <iostream>

namespace scenario {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

Session::~Session() { Stop(); }

void Session::Stop() {
  program_.reset();  // the program refers to the platform
  headless_.reset();
}

void Session::Fail(int line, const std::string& what) {
  ++failures_;
  std::cout << file_ << ":" << line << ": " << what << "\n";
}

void Session::Start(int line) {
  EndRun(lastStepLine_ > 0 ? lastStepLine_ : line);
  Stop();
  headless_ = std::make_unique<platform::HeadlessPlatform>();
  program_ = std::make_unique<program::Program>(headless_->platform);
  checkedMessages = 0;
  checkedInputs = 0;
  reportedUnanswered_ = 0;
  program_->Main();
}

void Session::FailUncheckedMessages(int line) {
  const auto& messages = headless_->dialogs.messages;
  for (; checkedMessages < messages.size(); ++checkedMessages) {
    const auto& m = messages[checkedMessages];
    Fail(line, "message box not checked: " + Quoted(m.prompt) + " " + Quoted(m.title));
  }
}

void Session::EndRun(int line) {
  if (!started()) return;
  FailUncheckedMessages(line);
  if (const auto left = headless_->dialogs.pendingAnswers(); left > 0)
    Fail(line, std::to_string(left) + " queued answer(s) left over: no input box asked for them");
}

void Session::AfterStep(int line) {
  lastStepLine_ = line;
  if (!started()) return;
  const auto& d = headless_->dialogs;
  for (; reportedUnanswered_ < d.unansweredInputs; ++reportedUnanswered_) {
    // The unanswered boxes are the latest ones shown.
    const std::size_t at = d.inputs.size() - static_cast<std::size_t>(d.unansweredInputs - reportedUnanswered_);
    const auto& box = d.inputs[at];
    Fail(line, "input box with no queued answer: " + Quoted(box.prompt) + " " + Quoted(box.title));
  }
}

platform::Window* Session::FindWindow(std::string_view name) const {
  return started() ? headless_->platform.window(name) : nullptr;
}

platform::Control* Session::FindControl(std::string_view name) const {
  if (!started()) return nullptr;
  std::string_view windowName = "frmVarno";
  if (const auto dot = name.find('.'); dot != std::string_view::npos) {
    windowName = name.substr(0, dot);
    name = name.substr(dot + 1);
  }
  platform::Window* w = FindWindow(windowName);
  if (w == nullptr) return nullptr;
  int index = platform::kNoIndex;
  if (const auto open = name.find('('); open != std::string_view::npos) {
    if (name.back() != ')') return nullptr;
    const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (ec != std::errc() || end != digits.data() + digits.size()) return nullptr;
    name = name.substr(0, open);
  }
  return w->find(name, index);
}

}  // namespace scenario

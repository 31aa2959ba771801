#include "scenario/session.hpp"

#include <charconv>
#include <ostream>

namespace scenario {

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

Session::Session(std::ostream& out, Front& front) : out_(out), front_(front) {}

Session::~Session() { DropProgram(); }

void Session::DropProgram() {
  if (driver_ == nullptr) return;
  front_.Detach(*driver_);
  audit_.reset();
  driver_.reset();
}

void Session::Fail(const Step& step, const std::string& what) {
  ++failures_;
  out_ << Where(*step.source, step.line) << ": " << what << "\n";
}

void Session::Start(const Step& step) {
  EndRun();
  lastStep_ = &step;
  DropProgram();  // the old program goes before the new one is built
  driver_ = std::make_unique<support::Driver>();
  if (front_.audited) audit_ = std::make_unique<frame::Audit>(driver_->app(), support::CopyProgram);
  front_.Attach(*driver_);
  checkedMessages = 0;
  checkedInputs = 0;
  reportedUnanswered_ = 0;
  driver_->program().Main();
}

void Session::FailUncheckedMessages(const Step& step) {
  const auto& messages = headless().dialogs.messages;
  for (; checkedMessages < messages.size(); ++checkedMessages) {
    const auto& m = messages[checkedMessages];
    Fail(step, "message box not checked: " + Quoted(m.prompt) + " " + Quoted(m.title));
  }
}

void Session::EndRun() {
  if (!started()) return;
  FailUncheckedMessages(*lastStep_);
  if (const auto left = headless().dialogs.pendingAnswers(); left > 0)
    Fail(*lastStep_, std::to_string(left) + " queued answer(s) left over: no input box asked for them");
}

void Session::AfterStep(const Step& step) {
  lastStep_ = &step;
  if (!started()) return;
  front_.Settle();
  if (audit_ != nullptr)
    for (const std::string& fault : audit_->TakeFaults()) Fail(step, fault);
  const auto& d = headless().dialogs;
  for (; reportedUnanswered_ < d.unansweredInputs; ++reportedUnanswered_) {
    // The unanswered boxes are the latest ones shown.
    const std::size_t at = d.inputs.size() - static_cast<std::size_t>(d.unansweredInputs - reportedUnanswered_);
    const auto& box = d.inputs[at];
    Fail(step, "input box with no queued answer: " + Quoted(box.prompt) + " " + Quoted(box.title));
  }
}

platform::Window* Session::FindWindow(std::string_view name) const {
  return started() ? driver_->platform.window(name) : nullptr;
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

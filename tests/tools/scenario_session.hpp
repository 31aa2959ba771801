#pragma once
// One scenario file being run: the headless program of the current run, the
// message and input boxes already checked, and the failures found so far.

#include <memory>
#include <string>
#include <string_view>

#include "program/program.hpp"
#include "platform/scripted_services.hpp"
#include "scenario_words.hpp"

namespace scenario {

class Session {
 public:
  explicit Session(std::string file) : file_(std::move(file)) {}
  ~Session();

  void Fail(int line, const std::string& what);
  int failures() const { return failures_; }

  // A fresh process: everything of the run before is checked and dropped.
  void Start(int line);
  // The checks due when a run ends: unchecked message boxes, unused answers.
  void EndRun(int line);
  // After every step: an input box that found no queued answer is a failure.
  void AfterStep(int line);
  bool started() const { return program_ != nullptr; }

  platform::HeadlessPlatform& headless() { return *headless_; }
  platform::Platform& platform() { return headless_->platform; }
  program::Program& program() { return *program_; }

  // "Form1.Command1", "Text1(14)", "txtUm": nullptr when the control does not exist now.
  platform::Control* FindControl(std::string_view name) const;
  platform::Window* FindWindow(std::string_view name) const;

  // Reports the message boxes not yet checked and marks them checked.
  void FailUncheckedMessages(int line);

  std::size_t checkedMessages = 0;
  std::size_t checkedInputs = 0;

 private:
  void Stop();

  std::string file_;
  int failures_ = 0;
  int reportedUnanswered_ = 0;
  int lastStepLine_ = 0;
  std::unique_ptr<platform::HeadlessPlatform> headless_;
  std::unique_ptr<program::Program> program_;
};

// Quotes a text for a failure line.
std::string Quoted(std::string_view text);

}  // namespace scenario

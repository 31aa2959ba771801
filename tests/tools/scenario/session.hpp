#pragma once
// One scenario being run: the headless program of the current run, the front
// through which the steps act and read, the message and input boxes already
// checked, and the failures found so far.

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "scenario/front.hpp"
#include "scenario/script.hpp"
#include "frame/audit.hpp"
#include "support/driver.hpp"

namespace scenario {

class Session {
 public:
  Session(std::ostream& out, Front& front);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Fail(const Step& step, const std::string& what);
  int failures() const { return failures_; }

  // A fresh process: everything of the run before is checked and dropped.
  void Start(const Step& step);
  // The checks due when a run ends: unchecked message boxes, unused answers.
  void EndRun();
  // After every step: the front settles, and an input box that found no
  // queued answer is a failure.
  void AfterStep(const Step& step);
  bool started() const { return driver_ != nullptr; }

  Front& front() { return front_; }
  support::Driver& driver() { return *driver_; }
  frame::Audit& audit() { return *audit_; }
  platform::HeadlessPlatform& headless() { return driver_->headless; }
  platform::Platform& platform() { return driver_->platform; }

  // "Form1.Command1", "Text1(14)", "txtUm": nullptr when the control does not exist now.
  platform::Control* FindControl(std::string_view name) const;
  platform::Window* FindWindow(std::string_view name) const;

  // Reports the message boxes not yet checked and marks them checked.
  void FailUncheckedMessages(const Step& step);

  std::size_t checkedMessages = 0;
  std::size_t checkedInputs = 0;

 private:
  void DropProgram();

  std::ostream& out_;
  Front& front_;
  int failures_ = 0;
  int reportedUnanswered_ = 0;
  const Step* lastStep_ = nullptr;  // where the checks of a run's end are reported
  std::unique_ptr<support::Driver> driver_;
  // Watches what the program does in every step of the run.
  std::unique_ptr<frame::Audit> audit_;
};

// Quotes a text for a failure line.
std::string Quoted(std::string_view text);

}  // namespace scenario

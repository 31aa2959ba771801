#pragma once
// One scenario being run: the headless program of the current run, the
// message and input boxes already checked, and the failures found so far.

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "scenario/script.hpp"
#include "support/driver.hpp"

namespace scenario {

class Session {
 public:
  explicit Session(std::ostream& out);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Fail(const Step& step, const std::string& what);
  int failures() const { return failures_; }

  // A fresh process: everything of the run before is checked and dropped.
  void Start(const Step& step);
  // The checks due when a run ends: unchecked message boxes, unused answers.
  void EndRun();
  // After every step: an input box that found no queued answer is a failure.
  void AfterStep(const Step& step);
  bool started() const { return driver_ != nullptr; }

  support::Driver& driver() { return *driver_; }
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
  std::ostream& out_;
  int failures_ = 0;
  int reportedUnanswered_ = 0;
  const Step* lastStep_ = nullptr;  // where the checks of a run's end are reported
  std::unique_ptr<support::Driver> driver_;
};

// Quotes a text for a failure line.
std::string Quoted(std::string_view text);

}  // namespace scenario

#pragma once
// A fresh program on a headless platform of its own, brought to the state a
// running program has reached by doing again what its person did there: the
// audit tries on it what a step would have done otherwise, and leaves the
// program it watches as it is.

#include <functional>
#include <memory>

#include "platform/action_log.hpp"

namespace platform {
struct HeadlessPlatform;
}

namespace frame {

class App;

class ProgramCopy {
 public:
  virtual ~ProgramCopy() = default;
  virtual platform::HeadlessPlatform& Headless() = 0;
  virtual App& Program() = 0;
  // Start-up, as the process begins.
  virtual void Main() = 0;
};

// Makes a fresh copy each time it is called.
using ProgramCopier = std::function<std::unique_ptr<ProgramCopy>()>;

// Starts the copy with every answer of the log queued for its input boxes,
// in the order the person gave them.
void StartCopy(ProgramCopy& copy, const platform::ActionLog& log);
// Does one action of the log again on the copy; an answer is given where it is asked for.
void DoAgain(ProgramCopy& copy, const platform::PersonAction& action);

}  // namespace frame

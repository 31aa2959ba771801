#pragma once

#include "platform/services.hpp"

namespace qt {

// Ends the process at once: nothing is asked and nothing is saved.
class QtProcess : public platform::Process {
 public:
  void exit() override;
};

}  // namespace qt

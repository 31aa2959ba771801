#pragma once

#include "platform/services.hpp"

namespace qt {

// Today's date in the desktop's short date form.
class QtClock : public platform::Clock {
 public:
  std::string shortDate() override;
};

}  // namespace qt

#pragma once

#include "platform/services.hpp"

namespace qt {

// The hourglass is Qt's wait cursor over the whole application.
class QtScreen : public platform::Screen {
 public:
  ~QtScreen() override;
  void setMousePointer(platform::MousePointer pointer) override;

 private:
  bool waiting_ = false;
};

}  // namespace qt

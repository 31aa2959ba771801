#pragma once
// The co-ordination withstand stage: the temporary-overvoltage, slow-front and
// fast-front pages of tabGeneral page 1 (the strip SSTab1(3)) with their tabs.

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace coordination {

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);

  const char* Name() const override { return "co-ordination withstand voltages"; }
};

}  // namespace coordination

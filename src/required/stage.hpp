#pragma once
// The required-withstand stage: the temporary-overvoltage, slow-front,
// fast-front and conversion pages of tabGeneral page 2 (the strip SSTab1(6)),
// and the inner strips that calculate their values.

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace required {

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  const char* Name() const override { return "required withstand voltages"; }
};

}  // namespace required

#pragma once

#include "frame/stage.hpp"

namespace coordination {

// The co-ordination withstand stage: the temporary-overvoltage, slow-front and
// fast-front pages of tabGeneral page 1 (the strip SSTab1(3)) with their tabs.
class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
};

}  // namespace coordination

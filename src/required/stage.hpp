#pragma once

#include "frame/stage.hpp"

namespace required {

// The required-withstand stage: the temporary-overvoltage, slow-front,
// fast-front and conversion pages of tabGeneral page 2 (the strip SSTab1(6)),
// and the inner strips that calculate their values.
class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
};

}  // namespace required

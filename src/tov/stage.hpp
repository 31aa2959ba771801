#pragma once

#include "frame/stage.hpp"

namespace tov {

// The temporary-overvoltage stage: the page of tabSubGeneral1 page 0 and the
// five factor pages of tabCalculation1, with the walk through them and their
// help texts.
class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
};

}  // namespace tov

#pragma once
// The temporary-overvoltage stage: the page of tabSubGeneral1 page 0 and the
// five factor pages of tabCalculation1, with the walk through them and their
// help texts.

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace tov {

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);

  const char* Name() const override { return "temporary overvoltages"; }
};

}  // namespace tov

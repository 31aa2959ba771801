#pragma once
// The temporary-overvoltage stage: the page of tabSubGeneral1 page 0 and the
// five factor pages of tabCalculation1, with the walk through them and their
// help texts.

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace tov {

class FactorFlow;
class K1Page;
class K2Page;
class K4Page;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);

  const char* Name() const override { return "temporary overvoltages"; }

  // The pages that tests reach past their controls.
  FactorFlow& flow() const { return *flow_; }
  K1Page& k1() const { return *k1_; }
  K2Page& k2() const { return *k2_; }
  K4Page& k4() const { return *k4_; }

 private:
  FactorFlow* flow_ = nullptr;
  K1Page* k1_ = nullptr;
  K2Page* k2_ = nullptr;
  K4Page* k4_ = nullptr;
};

}  // namespace tov

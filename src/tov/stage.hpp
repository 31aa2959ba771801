#pragma once
// The temporary-overvoltage stage: the page of tabSubGeneral1 page 0 and the
// five factor pages of tabCalculation1. Its pages reach each other through the stage.

#include <span>

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"
#include "tov/combination_page.hpp"
#include "tov/factor_flow.hpp"
#include "tov/factor_help.hpp"
#include "tov/k1_page.hpp"
#include "tov/k2_page.hpp"
#include "tov/k3_page.hpp"
#include "tov/k4_page.hpp"
#include "tov/tov_page.hpp"

namespace tov {

class Stage {
 public:
  explicit Stage(frame::App& app);
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  // Creates the stage's controls on the main window in their design state.
  void Build(platform::Window& w);
  void Register(frame::Procedures& procedures);
  // The value-store rows 0 to 40, which this stage owns.
  static std::span<const platform::ControlDesign> ValueStoreRows();

  frame::App& app;
  TovPage page;
  FactorFlow flow;
  K1Page k1;
  K2Page k2;
  K3Page k3;
  K4Page k4;
  CombinationPage combination;
  FactorHelp help;
};

}  // namespace tov

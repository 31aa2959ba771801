#pragma once
// The temporary-overvoltage page (page 0 of tabSubGeneral1): Urp phase to
// earth and phase to phase, entered in two input boxes or calculated over the
// factor pages, shown in txtTOVpe and txtTOVpp for every later stage.

#include <span>
#include <string>

#include "frame/app.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace tov {

class TovPage {
 public:
  explicit TovPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);

  static std::span<const platform::ControlDesign> Design();

  void cmdCalculateTOV_Click();
  void cmdEnterTOV_Click();
  void txtTOVpe_Change();
  void txtTOVpp_Change();

  // Shows or hides the nine controls of the result display together.
  void ShowResultDisplay(bool shown);

 private:
  // mPuPerKv from the accepted Um: the first step of both buttons.
  void StorePuPerKv();
  frame::App& app_;
};

}  // namespace tov

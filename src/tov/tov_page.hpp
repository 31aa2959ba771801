#pragma once
// The temporary-overvoltage page (page 0 of tabSubGeneral1): Urp phase to
// earth and phase to phase, entered in two input boxes or calculated over the
// factor pages, shown in txtTOVpe and txtTOVpp for every later stage.

#include <span>
#include <string>

#include "frame/app.hpp"
#include "frame/procedures.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace tov {

class Stage;

class TovPage {
 public:
  TovPage(frame::App& app, Stage& stage) : app_(app), stage_(stage) {}
  void Build(platform::Window& w);
  void Register(frame::Procedures& procedures);

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
  // One question of ENTER: asks, checks the answer and writes the box. The
  // answer times `umFactor` must reach Um (sqrt(3) phase to earth, 1 phase to phase).
  void EnterOne(const char* prompt, const char* boxName, double umFactor);

  frame::App& app_;
  Stage& stage_;
};

}  // namespace tov

#pragma once
// The temporary-overvoltage page (page 0 of tabSubGeneral1): Urp phase to
// earth and phase to phase, entered in two input boxes or calculated over the
// factor pages, shown in txtTOVpe and txtTOVpp for every later stage.

#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

class TovPage final : public frame::Page {
 public:
  explicit TovPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  // Its two buttons and its two result boxes.
  void DeclareRoutes(frame::Routes& routes) override;
  // The flag Text1(0) that says the factor pages were closed with a result.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  // "Next >>" passes the two values on to the surge arrester page.
  std::span<const frame::Dependency> Dependencies() const override;

  void cmdCalculateTOV_Click();
  void cmdEnterTOV_Click();
  void txtTOVpe_Change();
  void txtTOVpp_Change();

  // Shows or hides the nine controls of the result display together.
  void ShowResultDisplay(bool shown);

 private:
  static std::span<const platform::ControlDesign> Design();
  // mPuPerKv from the accepted Um: the first step of both buttons.
  void StorePuPerKv();

  frame::App& app_;
};

}  // namespace tov

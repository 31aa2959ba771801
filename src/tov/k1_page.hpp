#pragma once
// Load rejection factor K1: page 0 of the factor strip. The user enters K1 or
// the two Urp values, calculates K1 for a system or a generator-transformer
// unit, or ignores it (K1 = 1); the page shows Urp phase to earth and phase to
// phase in txtUrppe1 and txtUrppp1, which the factor flow reads.

#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

class K1Page final : public frame::Page {
 public:
  explicit K1Page(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  // Its options, its two OK buttons and the box rules.
  void DeclareRoutes(frame::Routes& routes) override;

  // Modes and sub-modes.
  void optEnterK1_Click();
  void optCalculateK1_Click();
  void optIgnoreK1_Click();
  void optFactorK1_Click();
  void optUrpK1_Click();
  void optK11_Click();
  void optK12_Click();

  // The two OK buttons.
  void cmdEnterOK1_Click();
  void cmdCalculateOK1_Click();

  // The range check of cos phi; the other boxes run the page's box rules.
  void txtCos1_Change();

 private:
  static std::span<const platform::ControlDesign> Design();
  // Writes Urp phase to earth, then phase to phase; false, writing nothing,
  // when either value cannot be shown in its box.
  bool WriteUrp(double pe, double pp);
  bool WriteUrpFromK1(double k1);
  // A result that cannot be shown: the OK handler's message, the results emptied.
  void RefuseResult();

  frame::App& app_;
};

}  // namespace tov

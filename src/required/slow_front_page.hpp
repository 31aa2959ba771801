#pragma once
// The slow-front page of the required withstand voltages (page 1 of
// SSTab1(6)): the four Urw values entered, or calculated on the inner strip
// SSTab1(8) and accepted into the page's summary.

#include "required/summary_page.hpp"

namespace required {

class SlowFrontPage final : public SummaryPage {
 public:
  explicit SlowFrontPage(frame::App& app) : SummaryPage(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void EnterUrwSlowFront();
 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
};

}  // namespace required

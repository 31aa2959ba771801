#pragma once
// The temporary-overvoltage page of the required withstand voltages (page 0
// of SSTab1(6)): the four Urw values entered, or calculated on the inner
// strip SSTab1(7) and accepted into the page's summary.

#include "required/summary_page.hpp"

namespace required {

class TovPage final : public SummaryPage {
 public:
  explicit TovPage(frame::App& app) : SummaryPage(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void BackToCwFromUrw();
  void EnterUrwTov();
 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
};

}  // namespace required

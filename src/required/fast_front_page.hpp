#pragma once
// The fast-front page of the required withstand voltages (page 2 of
// SSTab1(6)): one Urw for each insulation, standing on both lines of its
// block, entered or calculated on the inner strip SSTab1(9) and accepted
// into the page's summary. In Range II the external value may be "Ignored".

#include "required/summary_page.hpp"

namespace required {

class FastFrontPage final : public SummaryPage {
 public:
  explicit FastFrontPage(frame::App& app) : SummaryPage(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void EnterUrwFastFront();

 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
  // A number, or "Ignored" where the external value may be ignored (Range II).
  bool IsGiven(int slot) const override;
  // ShowUrwFastFrontExtPeUnit and ...PpUnit: "kV" only beside an external value.
  void FollowBox(int slot) override;
};

}  // namespace required

#pragma once
// The conversion page of the required withstand voltages (page 3 of
// SSTab1(6)): the withstand voltages of the range entered, or converted on
// the inner strip of the range and accepted into the page's summaries:
// switching impulse (SIW) on SSTab1(10) in Range II, short-duration
// power-frequency (SDW) and lightning impulse (LIW) on SSTab1(11) in Range I.

#include "required/summary_page.hpp"

namespace required {

class ConversionPage final : public SummaryPage {
 public:
  explicit ConversionPage(frame::App& app) : SummaryPage(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // The strip of the range, nothing calculated.
  void OpenConversionTabs();
  void EnterConvertedUrw();
 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();
};

}  // namespace required

#pragma once
// The slow-front page (page 2 of tabSubGeneral1): the four representative
// slow-front overvoltages, internal and external insulation, phase to earth
// and phase to phase, entered by ENTER or calculated on the tab strip of the
// range (SSTab1(0) for Range I, SSTab1(1) for Range II) that CALCULATE opens.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace surge {

class SlowFrontPage final : public frame::Page {
 public:
  explicit SlowFrontPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // The page's boxes Text1(59) to (63) and the range tabs' copies of Ups.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void EnterSlowFrontUrp();
  void OpenSlowFrontCalculation();
  void BackToSurgeArresterPage();
  void OpenFastFrontPage();
  // EnableSlowFrontNextUrpPeInt, ...PpInt, ...PeExt and ...PpExt (Text1(60)
  // to (63)): "Next >>" is enabled while all four boxes hold text.
  void EnableSlowFrontNext(int slot);

  // A range strip closes and gives the page back its "<< Back" and "Next >>".
  void ShowPageButtons();
  // After the range tabs' accept: the summary shown, with "RE-CALCULATE",
  // while one of its boxes holds a value, otherwise hidden with "CALCULATE";
  // then the page buttons.
  void ShowCalculatedSummary();

 private:
  static std::span<const platform::ControlDesign> Design();
  void ShowResultArea(bool shown);
  bool AnySummaryValue();

  frame::App& app_;
};

}  // namespace surge

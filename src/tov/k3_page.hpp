#pragma once
// The page "Earth fault K3" (page 2 of tabCalculation1): Urp phase to earth
// from an entered factor or Urp, from the reactances X0 and X1 for a single-
// or two-phase earth fault, or Um / sqrt(3) when earth faults are ignored.

#include <initializer_list>
#include <span>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace tov {

enum class EarthFault : short;

class K3Page final : public frame::Page {
 public:
  explicit K3Page(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // Text1(18) to Text1(22): the entries, X0 and X1, and the result.
  std::span<const platform::ControlDesign> ValueStoreRows() const override;

  // Option procedures.
  void SelectK3EnterMode();
  void SelectK3CalculateMode();
  void SelectK3Ignore();
  void SelectK3EnterFactor();
  void SelectK3EnterUrp();
  void SelectK3SinglePhaseFault();
  void SelectK3TwoPhaseFault();
  // The two "OK" buttons.
  void Command11_Click();
  void Command12_Click();
  // Checks of the value boxes.
  void ValidateK3Factor();
  void ValidateK3UrpPe();
  void ValidateK3X0();
  void ValidateK3X1();
  void EnableK3NextOnUrpPe();

  // The fault type chosen last: 1 single phase, 2 two phase, 0 none yet.
  short mK3FaultType = 0;

 private:
  static std::span<const platform::ControlDesign> Design();
  void ShowResultRow(bool shown);
  void SelectFaultType(EarthFault fault);
  // The step is refused: message, the given boxes emptied, no result shown.
  void RefuseResult(std::initializer_list<int> clearedSlots);

  frame::App& app_;
};

}  // namespace tov

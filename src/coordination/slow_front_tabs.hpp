#pragma once
// The calculation strip of the co-ordination slow-front page, SSTab1(4).
// Tab 0 "Phase to earth": the internal insulation frame (Kcd typed, or by
// curve a from Ue2) and below it, once the internal Ucw stands, the external
// insulation frame (deterministic or statistical, the factor typed or
// calculated), whose method also fixes that of the external phase-to-phase
// frame. Tab 1 "Phase to phase": the internal insulation frame (Kcd typed, or
// by curve b for a switching case) and below it the external insulation
// frame. The last tab's "Next >>" belongs to the page: it commits the four
// Ucw values.

#include <optional>

#include "coordination/coordination_factors.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace coordination {

enum class ExternalMethod { Deterministic, Statistical };

class SlowFrontTabs final : public frame::Page {
 public:
  explicit SlowFrontTabs(frame::App& app) : app_(app), factors_(app) {}
  // The tabs' controls; a new run of the tabs starts without factors.
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // The factors and the run's per-unit Ue2 the tabs share.
  CoordinationFactors& factors() { return factors_; }

  // Phase to earth, internal insulation (slow_front_pe_internal.cpp).
  void SelectKcdEntryPeInt();        // Option1(67)
  void SelectKcdCalculationPeInt();  // Option1(66)
  void SelectUe2PeInt();             // SelectUe2KvPeInt, SelectUe2PuPeInt
  void CalculateKcdPeInt();          // Command28(12)
  void AcceptKcdPeInt();             // Command28(28)

  // Phase to earth, external insulation, and the tab's buttons (slow_front_pe_external.cpp).
  // SelectCwSlowFrontExtDeterministic, SelectCwSlowFrontExtStatistical.
  void SelectCwSlowFrontExtMethod(ExternalMethod method);
  void SelectFactorEntryPeExt();        // Option1(74)
  void SelectFactorCalculationPeExt();  // Option1(75)
  void SelectUe2PeExt();                // SelectUe2PuPeExt, SelectUe2KvPeExt
  void CalculateKcsPeExt();             // Command28(10), slow_front_risk_of_failure.cpp
  void AcceptFactorPeExt();             // Command28(29)
  void CalculateKcdPeExt();             // Command28(30)
  void CloseCwSlowFrontTabs();          // Command29(8)
  void OpenCwSlowFrontPpTab();          // Command29(9)

  // Phase to phase, internal insulation (slow_front_pp_internal.cpp).
  void SelectKcdEntryPpInt();        // Option1(76)
  void SelectKcdCalculationPpInt();  // Option1(77)
  // CalculateKcdPpIntReenergization, CalculateKcdPpIntEnergization.
  void CalculateKcdPpInt(SwitchingCase switching);
  void AcceptKcdPpInt();  // Command28(31)

  // Phase to phase, external insulation, and the tab's "<<Back" (slow_front_pp_external.cpp).
  // ResetCwSlowFrontPpExtDeterministic, ResetCwSlowFrontPpExtStatistical.
  void ResetCwSlowFrontPpExt();
  void SelectFactorEntryPpExt();        // Option1(83)
  void SelectFactorCalculationPpExt();  // Option1(82)
  // CalculateKcdPpExtReenergization, CalculateKcdPpExtEnergization.
  void CalculateKcdPpExt(SwitchingCase switching);
  void AcceptFactorPpExt();       // Command28(32)
  void CalculateKcsPpExt();       // Command28(11), slow_front_risk_of_failure.cpp
  void BackToCwSlowFrontPeTab();  // Command29(10)

  // The checks of the typed boxes: a text that is no number is refused, and
  // the box's "OK" is shown while it holds text.
  void ValidateEntry(int slot, int ok);
  // EnableCwSlowFrontPeNext, EnableCwSlowFrontPpNext: the tab's "Next >>"
  // follows its result box.
  void EnableNext(int slot, int next);

 private:
  // The tabs' controls other than their value-store boxes.
  static std::span<const platform::ControlDesign> Design();
  // The statistical "OK" of either external frame: R, Kcs, Ucw.
  struct RiskFrame;
  bool CalculateKcs(const RiskFrame& frame);

  // A result row moved below the inputs of the way taken: its caption, box and
  // unit at `top`, the caption's subscript a little lower.
  void PlaceRow(frame::ControlRefs row, frame::ControlRef subscript, int top);
  // The rows of the internal phase-to-earth frame after a calculation, or after its refusal.
  void ShowPeIntCalculation(bool shown);
  // The working rows of the external phase-to-earth frame hidden and emptied.
  void ResetRowsPeExt();
  // A typed factor whose "OK" was refused: the box emptied and the Ucw row hidden.
  void RefuseTypedFactor(int slot, frame::ControlRefs ucwRow);
  // A switching case's result withdrawn: cleared, hidden, no case chosen.
  void WithdrawPpIntCase();
  void WithdrawPpExtCase();
  // A phase-to-earth calculation that changed the per-unit Ue2 withdraws the
  // phase-to-phase results calculated by curve b from the old one.
  void FollowNewUe2PerUnit(std::optional<double> before);

  frame::App& app_;
  CoordinationFactors factors_;
};

}  // namespace coordination

#pragma once
// The calculation strips of the slow-front page, SSTab1(0) for Range I and
// SSTab1(1) for Range II. Tab 0 "Phase to earth": the unit and the value of
// Ue2, then Uet and Urp phase to earth; tab 1 "Phase to phase": the switching
// case, then Up2, Upt and Urp phase to phase, and in Range II the external
// insulation frame with its own Urp from the clearance D and the height Ht.
// The strips are twins: one set of procedures serves both, given the
// SlowFrontRange of the strip. The last tab's "Next >>" publishes the results
// into the page's summary.

#include <optional>
#include <string>
#include <variant>

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace surge {

namespace slow_front_fits {
enum class SwitchingCase;
}

class SlowFrontPage;
struct SlowFrontRange;

class SlowFrontRangeTabs final : public frame::Page {
 public:
  using SwitchingCase = slow_front_fits::SwitchingCase;

  SlowFrontRangeTabs(frame::App& app, SlowFrontPage& page) : app_(app), page_(page) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // ShowUe2Range1EntryKv, ShowUe2Range1EntryPu, ShowUe2Range2EntryKv and
  // ShowUe2Range2EntryPu: the unit is chosen, the Ue2 row shown, the results
  // of the tab hidden and cleared.
  void ShowUe2Entry(const SlowFrontRange& range);
  void ValidateUe2(const SlowFrontRange& range);   // ValidateUe2Range1, ValidateUe2Range2
  void CalculateUet(const SlowFrontRange& range);  // CalculateUetRange1, CalculateUetRange2
  // EnableSlowFrontRange1PeNext, EnableSlowFrontRange2PeNext
  void EnablePeNext(const SlowFrontRange& range);
  void CloseTabs(const SlowFrontRange& range);  // CloseSlowFrontRange1Tabs, CloseSlowFrontRange2Tabs
  void OpenPp(const SlowFrontRange& range);     // OpenSlowFrontRange1Pp, OpenSlowFrontRange2Pp
  // CalculateUp2Range1Reenergization, ...Range1Energization, ...Range2Reenergization, ...Range2Energization
  void CalculateUp2(const SlowFrontRange& range, SwitchingCase switchingCase);
  // EnableSlowFrontRange1PpNext, EnableSlowFrontRange2PpNextInt, EnableSlowFrontRange2PpNextExt
  void EnablePpNext(const SlowFrontRange& range);
  void BackToPe(const SlowFrontRange& range);        // BackToSlowFrontRange1Pe, BackToSlowFrontRange2Pe
  void AcceptSlowFront(const SlowFrontRange& range);  // AcceptSlowFrontRange1, AcceptSlowFrontRange2

  // The external insulation frame of Range II (slow_front_external.cpp).
  // ValidateSlowFrontPpDistanceD and ValidateSlowFrontPpHeightHt.
  void ValidateSlowFrontPpGeometry(int slot);
  void CalculateUrpPpExtRange2();

  // x, Ue2 in per unit: a number when Ue2 was entered in kV, the typed text
  // when it was entered in pu; nothing while this run has not calculated it.
  using Ue2PerUnit = std::variant<std::monostate, double, std::string>;

  std::optional<double> mPuBaseRange1, mPuBaseRange2;  // B in kV
  Ue2PerUnit mUe2PuRange1, mUe2PuRange2;
  std::string mSlowFrontAccepted;  // "1" once a complete calculation was published

 private:
  static std::span<const platform::ControlDesign> Design();
  // The routes of the external insulation frame, beside its procedures.
  void DeclareExternalRoutes(frame::Routes& routes);

  std::optional<double>& PuBase(const SlowFrontRange& range);
  Ue2PerUnit& Ue2Pu(const SlowFrontRange& range);
  std::optional<double> Ue2PuValue(const SlowFrontRange& range);

  // A phase-to-earth "OK" that cannot give results: Uet and Urp emptied and x forgotten.
  void RefusePe(const SlowFrontRange& range);
  // Up2, Upt and Urp phase to phase by the fit of the case. With tidyUrp, Urp
  // is the number text of Upt's value rather than Upt's text. Returns false,
  // with the three boxes emptied, when they cannot be calculated; `announce`
  // says whether the refusal is shown.
  bool EvaluatePp(const SlowFrontRange& range, SwitchingCase switchingCase, bool tidyUrp, bool announce);
  // Urp phase to phase for a box of this MaxLength, from the text of Upt (or
  // Uptre) as its box shows it: that text while it is representative (with
  // tidy, the number text of its value), otherwise the number text of 2 Ups;
  // nothing without a text, or when 2 Ups is no positive value.
  static std::optional<std::string> UrpPpText(const std::optional<std::string>& uptText, double ups, int maxLength,
                                              bool tidy);
  void ClearPpResults(const SlowFrontRange& range);
  // A summary box takes its source when it is empty or holds a lower value.
  void Publish(int summary, int source);

  // The external frame back to its state before a calculation.
  void ResetExternal();
  void ShowExternalResults(bool shown);
  void RefuseExternal();

  frame::App& app_;
  SlowFrontPage& page_;
};

}  // namespace surge

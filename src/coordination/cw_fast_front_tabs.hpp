#pragma once
// The two tabs of the co-ordination fast-front strip SSTab1(5): Ucw of
// internal insulation (page 0) and of external insulation (page 1), each by
// the deterministic method (Kcd = 1, Ucw = Urp) or the statistical
// simplified method; the external tab can also ignore Ucw in Range II. The
// tabs are one family: the same procedures, played by the controls of each
// tab's row of the role table.

#include <optional>
#include <span>
#include <string>

#include "frame/page_kit.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace coordination {

// The controls that play each part on one tab.
struct CwFastFrontTab {
  int page;                                // of SSTab1(5)
  int frame;                               // Frame30: the calculation frame
  int deterministic, statistical, ignore;  // Option1; no "Ignore" on the internal tab
  frame::ControlRefs options;
  const char* table;                       // "Show table for A"
  int a, l, lsp, la, n;                    // Text1: the statistical inputs
  frame::ControlRefs inputs;               // in index order
  frame::ControlRefs captions;             // of the inputs, with their subscripts and the note
  frame::ControlRefs deterministicFormula, statisticalFormula;
  int ok;                                  // Command28
  int result;                              // Text1
  frame::ControlRefs resultRow;            // caption, subscript, unit and box
  int next;                                // Command29 "Next >>"
  bool checksTyping;                       // each input refuses a non-number as it is typed
};

std::span<const CwFastFrontTab> CwFastFrontTabRoles();

// The one box a result was calculated from and its text then: the fast-front
// Urp for Kcd = 1, the arrester's Upl for the statistical method.
struct CwFastFrontSource {
  int slot;
  std::string text;
  bool Stands(const frame::App& app) const;
};

class CwFastFrontTabs {
 public:
  explicit CwFastFrontTabs(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();

  // The options: SelectCwFastFrontIntDeterministic, ...ExtDeterministic,
  // ...IntStatistical, ...ExtStatistical and SelectCwFastFrontExtIgnore.
  void SelectDeterministic(const CwFastFrontTab& tab);
  void SelectStatistical(const CwFastFrontTab& tab);
  void SelectIgnore(const CwFastFrontTab& tab);
  // The inputs' checks: EnableCwFastFrontIntOkOn... and ValidateCwFastFrontExt...
  void CheckInput(const CwFastFrontTab& tab, int slot);
  // CalculateUcwFastFrontIntStatistical and ...ExtStatistical.
  void CalculateStatistical(const CwFastFrontTab& tab);

  void OpenCwFastFrontExtTab();
  void CloseCwFastFrontTabs();  // "<<Back" of the internal tab: nothing is committed
  void BackToCwFastFrontIntTab();

  // What the result of a tab was calculated from; nullopt for "Ignored" or no result.
  const std::optional<CwFastFrontSource>& ResultSource(const CwFastFrontTab& tab) const {
    return from_[tab.page];
  }
  // A tab result calculated from a fast-front Urp or an arrester that no
  // longer stands is cleared, the tab back to its start; true when one was.
  bool WithdrawIfStale();

 private:
  void ShowResultRow(const CwFastFrontTab& tab, bool shown);
  // Kcd = 1 and "Ignore": the inputs hidden and emptied, the result row shown at its place.
  void ShowResultWithoutInputs(const CwFastFrontTab& tab, bool kcdFormula, int rowTop);
  void MoveResultRow(const CwFastFrontTab& tab, int top);
  void ClearResult(const CwFastFrontTab& tab);
  // A refused "OK": the message, the inputs emptied, no result to move on with.
  void RefuseStatistical(const CwFastFrontTab& tab);
  bool RefuseZeroDivisors(const CwFastFrontTab& tab, double n, double lsp, double la);

  frame::App& app_;
  std::optional<CwFastFrontSource> from_[2];
};

}  // namespace coordination

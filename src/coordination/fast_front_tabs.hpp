#pragma once
// The two tabs of the co-ordination fast-front strip SSTab1(5): Ucw of
// internal insulation (page 0) and of external insulation (page 1), each by
// the deterministic method (Kcd = 1, Ucw = Urp) or the statistical
// simplified method; the external tab can also ignore Ucw in Range II. The
// tabs are one family: the same procedures, played by the controls of each
// tab's row of the role table.

#include "frame/control_ref.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace coordination {

// The statistical simplified method: Ucw = Upl + A L / (n (Lsp + La)), in kV,
// with the arrester's lightning impulse protective level Upl (kV), the line
// factor A (kV), the separation L (m), the number of lines n and the lengths
// Lsp and La (m): the product A L, the sum La + Lsp, its product with n, the
// quotient, then Upl added. n = 0 or La + Lsp = 0 gives a value that is not
// finite; the tabs refuse such inputs before they come here.
inline double UcwFastFrontStatistical(double upl, double a, double l, double n, double lsp, double la) {
  const double al = a * l;
  const double lengths = la + lsp;
  const double denominator = n * lengths;
  return upl + al / denominator;
}

// The controls that play each part on one tab.
struct FastFrontTab {
  int page;                                // of SSTab1(5)
  int frame;                               // Frame30: the calculation frame
  int deterministic, statistical, ignore;  // Option1; no "Ignore" on the internal tab
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
  frame::ControlRef aCaption;              // "Enter A value (kV)"
};

class FastFrontTabs final : public frame::Page {
 public:
  explicit FastFrontTabs(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  // The options: SelectCwFastFrontIntDeterministic, ...ExtDeterministic,
  // ...IntStatistical, ...ExtStatistical and SelectCwFastFrontExtIgnore.
  void SelectDeterministic(const FastFrontTab& tab);
  void SelectStatistical(const FastFrontTab& tab);
  void SelectIgnore(const FastFrontTab& tab);
  // The inputs' checks: EnableCwFastFrontIntOkOn... and ValidateCwFastFrontExt...
  void CheckInput(const FastFrontTab& tab, int slot);
  // CalculateUcwFastFrontIntStatistical and ...ExtStatistical.
  void CalculateStatistical(const FastFrontTab& tab);

  void OpenCwFastFrontExtTab();
  void CloseCwFastFrontTabs();  // "<<Back" of the internal tab: nothing is committed
  void BackToCwFastFrontIntTab();

 private:
  // The tabs' controls other than their value-store boxes.
  static std::span<const platform::ControlDesign> Design();
  void ShowResultRow(const FastFrontTab& tab, bool shown);
  // Kcd = 1 and "Ignore": the inputs hidden and emptied, the result row shown at its place.
  void ShowResultWithoutInputs(const FastFrontTab& tab, bool kcdFormula, int rowTop);
  void MoveResultRow(const FastFrontTab& tab, int top);
  void ClearResult(const FastFrontTab& tab);
  // A refused "OK": the message, the inputs emptied, no result to move on with.
  void RefuseStatistical(const FastFrontTab& tab);
  bool RefuseZeroDivisors(const FastFrontTab& tab, double n, double lsp, double la);

  frame::App& app_;
};

}  // namespace coordination

#pragma once
// The conversions of the conversion page's inner strips: switching impulse
// withstand voltages (SIW) in Range II, short-duration power-frequency (SDW)
// and lightning impulse withstand voltages (LIW) in Range I. Each is Kt times
// the required withstand voltage of its source boxes, with Kt typed and
// taken by "OK"; for external insulation of Range I Kt can instead be
// calculated from the required withstand voltage. All conversions are rows
// of one table, played by the same procedures.

#include "frame/control_ref.hpp"
#include "frame/page.hpp"

namespace frame {
class App;
}

namespace required {

// One conversion by typed factors: its Kt boxes (one box serving both
// results, or one per result), its "OK", its results phase to earth and
// phase to phase with the box each is converted from, its result rows, and
// the frame that appears once its results stand.
struct KtConversion {
  int ktPe, ktPp;                // Text1; ktPp == ktPe where one Kt serves both
  int ok;                        // Command28
  int resultPe, sourcePe;        // Text1
  int resultPp, sourcePp;        // Text1
  int firstLabel, lastLabel;     // Label4: captions and units of the result rows
  int laterFrame;                // Frame37, kNoIndex for none
  int next, accept;              // Command29 that pass the results on; next kNoIndex on the external tab
};

// The choice between typed factors and factors calculated from the required
// withstand voltage, for one external conversion of Range I.
struct KtChoice {
  const KtConversion& conversion;
  int enterOption, calculateOption;  // Option1
  frame::ControlRefs ktRow;          // the captions and boxes of the typed factors
  double (*ktPe)(double);            // Kt from the phase-to-earth source
  double (*ktPp)(double);            // Kt from the phase-to-phase source
  frame::ControlRefs laterOptions;   // deselected by either choice
};

class ConversionTabs final : public frame::Page {
 public:
  explicit ConversionTabs(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  // Each result is Kt times its source: it depends on both, whether Kt was
  // typed or calculated from the source.
  std::span<const frame::Dependency> Dependencies() const override;

  // ValidateKtSiwInt and its kind: the typed Kt checked on every change, the
  // "OK" offered while every Kt of the conversion holds text.
  void ValidateKt(const KtConversion& conversion, int slot);
  // CalculateSiwInt and its kind: the results of the typed factors.
  void Calculate(const KtConversion& conversion);
  // SelectKtEntrySdwExt and SelectKtEntryLiwExt.
  void SelectKtEntry(const KtChoice& choice);
  // CalculateSdwExtWithTable2Kt and CalculateLiwExtWithTable2Kt.
  void CalculateWithTable2Kt(const KtChoice& choice);

 private:
  // The controls as they stand when the main window is loaded.
  static std::span<const platform::ControlDesign> Design();

  void ShowResults(const KtConversion& conversion, bool shown);
  void ClearResults(const KtConversion& conversion);
  // A refused "OK": the message, the factors emptied, no result standing.
  void Refuse(const KtConversion& conversion);
  // Writes both products when a withstand can be shown for them; false when not.
  bool WriteResults(const KtConversion& conversion, double ktPe, double ktPp);

  frame::App& app_;
  // The factors last calculated from the required withstand voltage.
  double mKtPe = 0.0, mKtPp = 0.0;
};

}  // namespace required

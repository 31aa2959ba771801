#pragma once
// The groups of controls of the co-ordination slow-front tabs that their
// procedures show, hide and clear together.

#include <array>

#include "coordination/slots.hpp"
#include "frame/control_ref.hpp"

namespace coordination {

namespace tabs {

using frame::ControlRef;

using frame::Box;
constexpr ControlRef Label(int index) { return {"Label4", index}; }

// Label4(first) to Label4(last).
template <int First, int Last>
constexpr std::array<ControlRef, Last - First + 1> Labels() {
  std::array<ControlRef, Last - First + 1> a{};
  for (int i = First; i <= Last; ++i) a[i - First] = Label(i);
  return a;
}

// The external insulation frames, shown once the internal Ucw of their tab stands.
constexpr ControlRef kPeExtFrame{"Frame31", 1}, kPpExtFrame{"Frame31", 3};

// Phase to earth, internal insulation: the ratio and result rows as one
// range, the Ue2 row, the typed-Kcd row, the moving result row.
constexpr auto kPeIntRows = Labels<46, 56>();
constexpr ControlRef kPeIntLine{"Line6", 0};
constexpr ControlRef kPeIntUe2Row[] = {Label(84), Label(85), Label(86), Box(Ue2PeCwInt)};
constexpr ControlRef kPeIntEntryRow[] = {Label(243), Label(242), Box(KcdPeEntered)};
constexpr ControlRef kPeIntResults[] = {Box(UpsUe2RatioPe), Box(KcdPe), Box(UcwSfPeIntCalc)};
constexpr ControlRef kPeIntRatioRow[] = {Label(46), Label(47), Label(48), Label(49), Label(50),
                                         Label(51), Label(52), Label(53), kPeIntLine,
                                         Box(UpsUe2RatioPe), Box(KcdPe)};
constexpr ControlRef kPeIntResultRow[] = {Label(54), Label(56), Box(UcwSfPeIntCalc)};
constexpr ControlRef kPeIntResultSubscript = Label(55);

// Phase to earth, external insulation.
constexpr auto kPeExtRiskLabels = Labels<57, 64>();
constexpr auto kPeExtFactorLabels = Labels<244, 256>();
constexpr ControlRef kPeExtLine{"Line6", 3};
constexpr ControlRef kPeExtBoxes[] = {Box(RiskPe),         Box(KcsPe),     Box(UcwSfPeExtCalc),
                                      Box(FactorPeExtEntered), Box(Ue2PeCwExt), Box(KcdPeExt),
                                      Box(UpsUe2RatioPeExt)};
constexpr ControlRef kPeExtResultRow[] = {Label(62), Label(64), Box(UcwSfPeExtCalc)};
constexpr ControlRef kPeExtUcwRow[] = {Label(62), Label(63), Label(64), Box(UcwSfPeExtCalc)};
constexpr ControlRef kPeExtResultSubscript = Label(63);

// Phase to phase, internal insulation: the ratio, factor and Ucw rows as one range.
constexpr auto kPpIntRows = Labels<65, 75>();
constexpr ControlRef kPpIntLine{"Line6", 1};
constexpr ControlRef kPpIntEntryCaption[] = {Label(257), Label(258)};
constexpr ControlRef kPpIntResults[] = {Box(UcwSfPpIntCalc), Box(KcdPp), Box(UpsUp2RatioPp)};
constexpr ControlRef kPpIntUcwRow[] = {Label(65), Label(67), Label(68), Box(UcwSfPpIntCalc)};
constexpr ControlRef kPpIntResultRow[] = {Label(65), Label(68), Box(UcwSfPpIntCalc)};
constexpr ControlRef kPpIntResultSubscript = Label(67);
constexpr ControlRef kPpIntCases{"Frame34"};

// Phase to phase, external insulation: the Ucw row with the statistical
// labels as one range, the entry labels, the deterministic labels.
constexpr auto kPpExtLabels = Labels<76, 83>();
constexpr ControlRef kPpExtEntryLabels[] = {Label(259), Label(260)};
constexpr ControlRef kPpExtDeterministicLabels[] = {Label(261), Label(262), Label(263), Label(264),
                                                    Label(265), Label(266), Label(268), Label(271)};
constexpr ControlRef kPpExtLine{"Line6", 4};
constexpr ControlRef kPpExtCases{"Frame36", 13};
constexpr ControlRef kPpExtUcwRow[] = {Label(76), Label(77), Label(78), Box(UcwSfPpExtCalc)};

}  // namespace tabs

}  // namespace coordination

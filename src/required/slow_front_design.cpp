// The slow-front page (page 1 of SSTab1(6)) as it stands when the main
// window is loaded, and the buttons of its inner strip SSTab1(8).

#include "required/accepted_dependencies.hpp"
#include "required/page_layout.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kPage = 1;

constexpr const char* kNote =
    "Slow front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr SummaryBlock kSummary{kPage, 4680, 139, 144,
                                {{145, 135, 136, UrwSfPeInt, kUrwPe},
                                 {146, 137, 138, UrwSfPpInt, kUrwPp},
                                 {147, 140, 141, UrwSfPeExt, kUrwPe},
                                 {148, 142, 143, UrwSfPpExt, kUrwPp}},
                                kUrwSubscriptOffset, 6};

constexpr int kStrip = 8;

constexpr SummaryBlock kSummaries[] = {kSummary};
constexpr StripButtons kStripButtons[] = {{kStrip, 7920, 25, 24, 21, 20, false}};
constexpr PageParts kParts{kPage, 29, kNote, 13, 14, 28, 27, UrwSfAcceptedFlag, kSummaries, kStripButtons};

constexpr RwCopy kCopies[] = {
    {UrwSfPeInt, UrwSfPeIntCalc},
    {UrwSfPpInt, UrwSfPpIntCalc},
    {UrwSfPeExt, UrwSfPeExtCalc},
    {UrwSfPpExt, UrwSfPpExtCalc},
};
constexpr RwSummaryGroup kGroups[] = {{135, 148, kCopies}};
// The accept waits for the internal results too: one withdrawn since is never accepted empty.
constexpr int kAcceptWatch[] = {UrwSfPeExtCalc, UrwSfPpExtCalc, UrwSfPeIntCalc, UrwSfPpIntCalc};
constexpr RwStrip kStripRoles{kStrip, 25, 24, 21, 20, {}, kAcceptWatch, kGroups, UrwSfAcceptedFlag, 14,
                              "RE-CALCULATE"};
constexpr auto kAccepted = AcceptedDependencies<4>({kGroups}, 27);

}  // namespace

RwPageDesign RwSlowFrontPageDesign() {
  static const PageDesign design(kParts);
  return {design.controls(), design.boxes(), kAccepted};
}

const RwStrip& RwSlowFrontStrip() { return kStripRoles; }

}  // namespace required

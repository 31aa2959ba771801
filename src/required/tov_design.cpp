// The temporary-overvoltage page (page 0 of SSTab1(6)) as it stands when the
// main window is loaded: the introduction, ENTER and CALCULATE, the hidden
// summary of the four Urw values, the page's way buttons and its flag; and
// the buttons of its inner strip SSTab1(7).

#include "required/accepted_dependencies.hpp"
#include "required/page_layout.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kPage = 0;

constexpr const char* kNote =
    "Temporary overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr SummaryBlock kSummary{kPage, 4680, 126, 121,
                                {{131, 130, 129, UrwTovPeInt, kUrwPe},
                                 {132, 128, 127, UrwTovPpInt, kUrwPp},
                                 {133, 125, 124, UrwTovPeExt, kUrwPe},
                                 {134, 123, 122, UrwTovPpExt, kUrwPp}},
                                kUrwSubscriptOffset, 6};

constexpr int kStrip = 7;

constexpr SummaryBlock kSummaries[] = {kSummary};
constexpr StripButtons kStripButtons[] = {{kStrip, 7920, 16, 17, 18, 19, false}};
constexpr PageParts kParts{kPage, 28, kNote, 12, 11, 25, 26, UrwTovAcceptedFlag, kSummaries, kStripButtons};

constexpr RwCopy kCopies[] = {
    {UrwTovPeInt, UrwTovPeIntCalc},
    {UrwTovPpInt, UrwTovPpIntCalc},
    {UrwTovPeExt, UrwTovPeExtCalc},
    {UrwTovPpExt, UrwTovPpExtCalc},
};
constexpr RwSummaryGroup kGroups[] = {{121, 134, kCopies}};
// The accept waits for the internal results too: one withdrawn since is never accepted empty.
constexpr int kAcceptWatch[] = {UrwTovPpExtCalc, UrwTovPeExtCalc, UrwTovPeIntCalc, UrwTovPpIntCalc};
constexpr RwStrip kStripRoles{kStrip, 16, 17, 18, 19, {}, kAcceptWatch, kGroups, UrwTovAcceptedFlag, 11,
                              "RE-CALCULATE"};
constexpr auto kAccepted = AcceptedDependencies<4>({kGroups}, 26);

}  // namespace

RwPageDesign RwTovPageDesign() {
  static const PageDesign design(kParts);
  return {design.controls(), design.boxes(), kAccepted};
}

const RwStrip& RwTovStrip() { return kStripRoles; }

}  // namespace required

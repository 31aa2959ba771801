// The fast-front page (page 2 of SSTab1(6)) as it stands when the main
// window is loaded, and the buttons of its inner strip SSTab1(9). Each of
// the two values stands on both lines of its block.

#include "required/accepted_dependencies.hpp"
#include "required/page_layout.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kPage = 2;

constexpr const char* kNote =
    "Fast front overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

// The external boxes hold the seven letters of "Ignored".
constexpr SummaryBlock kSummary{kPage, 4680, 154, 149,
                                {{159, 158, 157, UrwFfPeInt, kUrwPe},
                                 {160, 156, 155, UrwFfPpInt, kUrwPp},
                                 {161, 153, 152, UrwFfPeExt, kUrwPe},
                                 {162, 151, 150, UrwFfPpExt, kUrwPp}},
                                kUrwSubscriptOffset, 7};

constexpr int kStrip = 9;

constexpr SummaryBlock kSummaries[] = {kSummary};
constexpr StripButtons kStripButtons[] = {{kStrip, 8010, 26, 27, 28, 29, false}};
constexpr PageParts kParts{kPage, 30, kNote, 16, 15, 29, 30, UrwFfAcceptedFlag, kSummaries, kStripButtons};

constexpr RwCopy kCopies[] = {
    {UrwFfPeExt, UrwFfExtCalc},
    {UrwFfPpExt, UrwFfExtCalc},
    {UrwFfPeInt, UrwFfIntCalc},
    {UrwFfPpInt, UrwFfIntCalc},
};
constexpr RwSummaryGroup kGroups[] = {{149, 162, kCopies}};
// The accept waits for the internal result too: one withdrawn since is never accepted empty.
constexpr int kAcceptWatch[] = {UrwFfExtCalc, UrwFfIntCalc};
constexpr RwStrip kStripRoles{kStrip, 26, 27, 28, 29, {}, kAcceptWatch, kGroups, UrwFfAcceptedFlag, 15,
                              "RE-CALCULATED"};
constexpr auto kAccepted = AcceptedDependencies<4>({kGroups}, 30);

}  // namespace

RwPageDesign RwFastFrontPageDesign() {
  static const PageDesign design(kParts);
  return {design.controls(), design.boxes(), kAccepted};
}

const RwStrip& RwFastFrontStrip() { return kStripRoles; }

}  // namespace required

// The conversion page (page 3 of SSTab1(6)) as it stands when the main
// window is loaded: the introduction, ENTER and CALCULATE, the hidden
// summaries of the converted values (SDW on the left and LIW on the right
// in Range I, SIW between them in Range II) and the way buttons; and the
// buttons of its inner strips, SSTab1(10) for SIW and SSTab1(11) for SDW and LIW.

#include "required/accepted_dependencies.hpp"
#include "required/page_layout.hpp"
#include "required/summary_page.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

constexpr int kPage = 3;

constexpr const char* kNote =
    "Converted overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr int kNone = platform::kNoIndex;

constexpr SummaryBlock kSiw{kPage, 4680, 165, 168,
                            {{169, kNone, 163, SiwPeInt, "SIW  value (phase to earth):"},
                             {170, kNone, 164, SiwPpInt, "SIW  value (phase to phase):"},
                             {171, kNone, 166, SiwPeExt, "SIW  value (phase to earth):"},
                             {172, kNone, 167, SiwPpExt, "SIW  value (phase to phase):"}},
                            0, 6};
constexpr SummaryBlock kSdw{kPage, 840, 175, 178,
                            {{179, kNone, 173, SdwPeInt, "SDW  value (phase to earth):"},
                             {180, kNone, 174, SdwPpInt, "SDW  value (phase to phase):"},
                             {181, kNone, 176, SdwPeExt, "SDW  value (phase to earth):"},
                             {182, kNone, 177, SdwPpExt, "SDW  value (phase to phase):"}},
                            0, 6};
constexpr SummaryBlock kLiw{kPage, 8520, 185, 188,
                            {{189, kNone, 183, LiwPeInt, "LIW  value (phase to earth):"},
                             {190, kNone, 184, LiwPpInt, "LIW  value (phase to phase):"},
                             {191, kNone, 186, LiwPeExt, "LIW  value (phase to earth):"},
                             {192, kNone, 187, LiwPpExt, "LIW  value (phase to phase):"}},
                            0, 6};

constexpr int kSiwStrip = 10, kSdwLiwStrip = 11;

constexpr SummaryBlock kSummaries[] = {kSiw, kSdw, kLiw};
constexpr StripButtons kStripButtons[] = {{kSiwStrip, 6240, 31, 30, 33, 32, true}, {kSdwLiwStrip, 8700, 35, 34, 37, 36, true}};
constexpr PageParts kParts{kPage, 31, kNote, 17, 18, 32, 31, kNone, kSummaries, kStripButtons};

constexpr RwCopy kSiwCopies[] = {
    {SiwPeInt, SiwPeIntCalc},
    {SiwPpInt, SiwPpIntCalc},
    {SiwPeExt, SiwPeExtCalc},
    {SiwPpExt, SiwPpExtCalc},
};
constexpr RwSummaryGroup kSiwGroups[] = {{163, 172, kSiwCopies}};
constexpr int kSiwIntWatch[] = {SiwPeIntCalc, SiwPpIntCalc};
// The accept waits for the internal results too: one withdrawn since is never accepted empty.
constexpr int kSiwExtWatch[] = {SiwPpExtCalc, SiwPeExtCalc, SiwPeIntCalc, SiwPpIntCalc};
constexpr RwStrip kSiwRoles{kSiwStrip, 31, 30, 33, 32, kSiwIntWatch, kSiwExtWatch, kSiwGroups, kNone, 18,
                            "RE-CALCULATE"};

constexpr RwCopy kSdwCopies[] = {
    {SdwPeInt, SdwPeIntCalc},
    {SdwPpInt, SdwPpIntCalc},
    {SdwPeExt, SdwPeExtCalc},
    {SdwPpExt, SdwPpExtCalc},
};
constexpr RwCopy kLiwCopies[] = {
    {LiwPeInt, LiwPeIntCalc},
    {LiwPpInt, LiwPpIntCalc},
    {LiwPeExt, LiwPeExtCalc},
    {LiwPpExt, LiwPpExtCalc},
};
constexpr RwSummaryGroup kSdwLiwGroups[] = {{173, 182, kSdwCopies}, {183, 192, kLiwCopies}};
// The strip's buttons wait for the LIW results and for the SDW ones they
// were converted beside, the accept for the internal ones too: a result
// cleared since is never accepted empty.
constexpr int kSdwLiwIntWatch[] = {LiwPpIntCalc, LiwPeIntCalc, SdwPeIntCalc, SdwPpIntCalc};
constexpr int kSdwLiwExtWatch[] = {LiwPeExtCalc, LiwPpExtCalc, SdwPeExtCalc, SdwPpExtCalc,
                                   LiwPpIntCalc, LiwPeIntCalc, SdwPeIntCalc, SdwPpIntCalc};
constexpr RwStrip kSdwLiwRoles{kSdwLiwStrip, 35, 34, 37, 36, kSdwLiwIntWatch, kSdwLiwExtWatch, kSdwLiwGroups,
                               kNone, 18, "RE-CALCULATE"};
// Only the summaries of the range are ever filled; each follows its own result.
constexpr auto kAccepted = AcceptedDependencies<12>({kSiwGroups, kSdwLiwGroups}, 31);

}  // namespace

RwPageDesign RwConversionPageDesign() {
  static const PageDesign design(kParts);
  return {design.controls(), design.boxes(), kAccepted};
}

const RwStrip& RwSiwStrip() { return kSiwRoles; }
const RwStrip& RwSdwLiwStrip() { return kSdwLiwRoles; }

}  // namespace required

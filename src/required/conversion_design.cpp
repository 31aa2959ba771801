// The conversion page (page 3 of SSTab1(6)) as it stands when the main
// window is loaded: the introduction, ENTER and CALCULATE, the hidden
// summaries of the converted values (SDW on the left and LIW on the right
// in Range I, SIW between them in Range II) and the way buttons; and the
// buttons of its inner strips, SSTab1(10) for SIW and SSTab1(11) for SDW and LIW.

#include "required/conversion_page.hpp"
#include "required/required_layout.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using namespace layout;

constexpr int kPage = 3;
constexpr int kNone = platform::kNoIndex;

constexpr const char* kIntroduction =
    "Converted overvoltages values may be entered, case are known, or calculated according to IEC 71-2:1996 "
    "and IEC 71-1:2006.";

constexpr Summary kSiw{kPage, 4680, 165, 168,
                       {{169, kNone, 163, SiwPeInt, "SIW  value (phase to earth):"},
                        {170, kNone, 164, SiwPpInt, "SIW  value (phase to phase):"},
                        {171, kNone, 166, SiwPeExt, "SIW  value (phase to earth):"},
                        {172, kNone, 167, SiwPpExt, "SIW  value (phase to phase):"}},
                       6};
constexpr Summary kSdw{kPage, 840, 175, 178,
                       {{179, kNone, 173, SdwPeInt, "SDW  value (phase to earth):"},
                        {180, kNone, 174, SdwPpInt, "SDW  value (phase to phase):"},
                        {181, kNone, 176, SdwPeExt, "SDW  value (phase to earth):"},
                        {182, kNone, 177, SdwPpExt, "SDW  value (phase to phase):"}},
                       6};
constexpr Summary kLiw{kPage, 8520, 185, 188,
                       {{189, kNone, 183, LiwPeInt, "LIW  value (phase to earth):"},
                        {190, kNone, 184, LiwPpInt, "LIW  value (phase to phase):"},
                        {191, kNone, 186, LiwPeExt, "LIW  value (phase to earth):"},
                        {192, kNone, 187, LiwPpExt, "LIW  value (phase to phase):"}},
                       6};

constexpr auto kControls = kit::Join(
    PageControls(kPage, {.introduction = 31, .enter = 17, .calculate = 18, .back = 32, .next = 31}, kIntroduction),
    ConvertedSummaryLabels(kSiw), ConvertedSummaryLabels(kSdw), ConvertedSummaryLabels(kLiw),
    TabButtons({.strip = 10, .top = 6240, .internalBack = 31, .internalNext = 30, .externalBack = 33,
                .externalNext = 32, .internalNextWaits = true}),
    TabButtons({.strip = 11, .top = 8700, .internalBack = 35, .internalNext = 34, .externalBack = 37,
                .externalNext = 36, .internalNextWaits = true}));

constexpr auto kBoxes = kit::Join(SummaryBoxes(kSiw), SummaryBoxes(kSdw), SummaryBoxes(kLiw));

}  // namespace

std::span<const ControlDesign> ConversionPage::Design() { return kControls; }

std::span<const ControlDesign> ConversionPage::ValueStoreRows() const { return kBoxes; }

}  // namespace required

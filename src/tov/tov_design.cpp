// The temporary-overvoltage page as it stands when the main window is loaded.
// The factor strip tabCalculation1 lies over it and belongs to the frame's page tree.

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"
#include "tov/factor_layout.hpp"
#include "tov/slots.hpp"
#include "tov/tov_page.hpp"

namespace tov {

namespace {

using namespace frame::design;
using layout::Result;
using platform::kNoIndex;

constexpr Place kPage = TabPage("tabSubGeneral1", kNoIndex, 0);

constexpr const char* kNote =
    "The TOV values may be entered when the case is known, or calculated after the method of IEC 71-2.\n"
    "Optionally both applications may be run case a comparison is required. The higher values of TOV are "
    "considered for the rest analysis.";

constexpr ControlDesign kDesign[] = {
    Introduction(kPage, 18, kNote, 885),
    Button(kPage, "cmdEnterTOV", kNoIndex, {4680, 1380, 2430, 600}, "ENTER").bold().font(12),
    Button(kPage, "cmdCalculateTOV", kNoIndex, {7350, 1380, 2430, 600}, "CALCULATE").bold().font(12),

    // The result display: shown and hidden as one.
    Label(kPage, "Label4", 0, {5790, 2430, 2865, 285}, "Internal and external insulation").hidden(),
    Label(kPage, "Label5", kNoIndex, {5430, 2835, 1965, 255}, "U      (phase to earth) :").hidden(),
    Subscript(kPage, "Label7", 0, {5626, 2880, 165, 225}, "rp").hidden(),
    Result(TextBox(kPage, "txtTOVpe", kNoIndex, {7395, 2820, 900, 285})),
    Label(kPage, "Label8", 0, {8325, 2835, 255, 255}, "kV").hidden(),
    Label(kPage, "Label6", kNoIndex, {5340, 3315, 2055, 255}, "U      (phase to phase) :").hidden(),
    Subscript(kPage, "Label7", 1, {5530, 3360, 165, 225}, "rp").hidden(),
    Result(TextBox(kPage, "txtTOVpp", kNoIndex, {7395, 3300, 900, 285})),
    Label(kPage, "Label8", 1, {8325, 3315, 255, 255}, "kV").hidden(),

    Button(kPage, "Command21", 0, {5670, 5490, 1485, 405}, "<< Back"),
    Button(kPage, "Command21", 1, {7380, 5490, 1485, 405}, "Next >>").disabled(),
};

// "0" until the factor pages are closed with a result, "1" after.
constexpr ControlDesign kBoxes[] = {
    Box(kPage, TovAcceptedFlag, {7395, 3840, 900, 285}).hidden().text("0"),
};

}  // namespace

std::span<const platform::ControlDesign> TovPage::Design() { return kDesign; }
std::span<const platform::ControlDesign> TovPage::ValueStoreRows() const { return kBoxes; }

}  // namespace tov

// Design of the fast-front strip SSTab1(9). The internal tab shows its
// result in Frame30(12). The external tab holds, from the top: the Range II
// choice of a calculated or an ignored Urw (Frame36(4)), the choice of Ka
// (Frame36(3)), the Ka entry Frame28(5) or the altitude frame Frame30(13)
// with the drawn formula of Ka, and the result frame Frame30(14); all hidden
// until the tab is laid out for the range.

#include "required/fast_front_tabs.hpp"
#include "required/ka_tabs_layout.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using namespace layout;

constexpr int kStrip = 9;
constexpr kit::Place kInternalTab = StripTab(kStrip, 0), kExternalTab = StripTab(kStrip, 1);
constexpr kit::Place kInternalFrame = kit::Inside("Frame30", 12), kCalculateOrIgnore = kit::Inside("Frame36", 4),
                     kKaChoice = kit::Inside("Frame36", 3), kKaEntry = kit::Inside("Frame28", 5),
                     kAltitudeFrame = kit::Inside("Frame30", 13), kResultFrame = kit::Inside("Frame30", 14);
constexpr int kLineTop = 720;

constexpr kit::Row StripFrame(kit::Place tab, const char* name, int index, int top, int height) {
  return kit::Frame(tab, name, index, {kFrameLeft, top, kFrameWidth, height}, "").hidden();
}

// "U      =" with its subscript and unit, beside the result box.
constexpr std::array<ControlDesign, 3> ResultLine(kit::Place frame, int first) {
  return {kit::Label(frame, "Label89", first, {1200, kLineTop, 1200, 255}, "U      =").nowrap(),
          CaptionSubscript(frame, "Label89", first + 1, 1390, kLineTop, "rw"),
          kit::Label(frame, "Label89", first + 2, {4560, kLineTop, 285, 255}, "kV").nowrap()};
}

constexpr auto kControls = kit::Join(
    // Internal insulation.
    std::array<ControlDesign, 1>{kit::Frame(kInternalTab, "Frame30", 12, {kFrameLeft, 1200, kFrameWidth, 1400}, "")},
    KsHeading(kInternalFrame, "Label89", 0, 1, "For internal insulation K   =1,15 hence :", 1763),
    ResultLine(kInternalFrame, 2),
    // External insulation: the choices.
    std::array<ControlDesign, 1>{StripFrame(kExternalTab, "Frame36", 4, 720, 615)},
    Choice(kCalculateOrIgnore, 61, "Calculate Urw", 60, "Ignore Urw"),
    std::array<ControlDesign, 1>{StripFrame(kExternalTab, "Frame36", 3, 1500, 615)},
    KaChoice(kKaChoice, 56, 57),
    // The typed Ka.
    std::array<ControlDesign, 1>{StripFrame(kExternalTab, "Frame28", 5, 2280, 1500)},
    KaEntry(kKaEntry, "Label89", 5, 76, 21),
    // Ka from the altitude, m = 1.
    std::array<ControlDesign, 5>{
        StripFrame(kExternalTab, "Frame30", 13, 2280, 1500),
        kit::Label(kAltitudeFrame, "Label83", platform::kNoIndex, {kKaCaptionLeft, 360, 1800, 255}, "Enter H value (m)")
            .hidden()
            .nowrap(),
        kit::Label(kAltitudeFrame, "Label33", 78, {kKaCaptionLeft, 780, 2400, 255}, "m=1 for lightning impulse")
            .hidden()
            .nowrap(),
        kit::Label(kAltitudeFrame, "Label85", 7, {kKaBoxLeft + 1200, 360, 4200, 255}, "Altitude above sea level")
            .hidden()
            .nowrap()
            .fore(platform::kBlue),
        kit::Button(kAltitudeFrame, "Command28", 20, {kKaBoxLeft, 1080, 900, 315}, "OK").hidden()},
    KaFormula(13, 230, 10),
    // The result.
    std::array<ControlDesign, 1>{StripFrame(kExternalTab, "Frame30", 14, 4020, 1300)},
    KsHeading(kResultFrame, "Label41", 137, 136, "For external insulation K   =1,05 hence :", 1810),
    ResultLine(kResultFrame, 7));

constexpr kit::Row ResultBox(kit::Place frame, int slot, int maxLength) {
  return kit::Box(frame, slot, {3600, kLineTop - 30, 900, 285}).length(maxLength).readOnly();
}

constexpr ControlDesign kBoxes[] = {
    ResultBox(kInternalFrame, UrwFfIntCalc, 6),
    kit::Box(kAltitudeFrame, AltitudeFf, {kKaBoxLeft, 330, 900, 285}).hidden().length(4),
    kit::Box(kKaEntry, KaFfEntered, {kKaBoxLeft, 330, 900, 285}).length(5),
    ResultBox(kResultFrame, UrwFfExtCalc, 7),
};

}  // namespace

std::span<const ControlDesign> FastFrontTabs::Design() { return kControls; }

std::span<const ControlDesign> FastFrontTabs::ValueStoreRows() const { return kBoxes; }

}  // namespace required

// The fast-front page as it stands when the main window is loaded. The
// formula strip SSTab1(2) belongs to the frame's page tree and covers the
// page while it is shown.

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"
#include "frame/value_store.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using namespace frame::design;

constexpr Place kPage = TabPage("tabSubGeneral1", platform::kNoIndex, 3);

constexpr const char* kNote =
    "Fast front overvoltage values may be entered, case are known, or calculated according to IEC 71-2:1996 and "
    "71-1:2006.\n"
    "The calculations are performed by using three formulas and the final selection of Urp value rests to the user.\n"
    "Optionally Urp may be skipped and go directly to Ucw.";

// ENTER, CALCULATE and SKIP side by side below the note.
constexpr Row WayButton(int index, int left, const char* caption) {
  return Button(kPage, "Command25", index, {left, 1380, 2430, 600}, caption).bold().font(12);
}

constexpr ControlDesign kDesign[] = {
    Introduction(kPage, 20, kNote, 885),
    WayButton(3, 3360, "ENTER"),
    WayButton(2, 6000, "CALCULATE"),
    WayButton(4, 8640, "SKIP"),

    // The summary: shown and hidden with its two boxes.
    Label(kPage, "Label4", 16, {5790, 2430, 2865, 285}, "Internal and external insulation").hidden(),
    Label(kPage, "Label4", 22, {5310, 2835, 2040, 255}, "U     value (phase to earth):").hidden().nowrap(),
    Subscript(kPage, "Label4", 21, {5490, 2895, 120, 195}, "rp").hidden(),
    Label(kPage, "Label4", 20, {8325, 2835, 255, 255}, "kV").hidden(),
    Label(kPage, "Label4", 19, {5235, 3315, 2130, 255}, "U      value (phase to phase):").hidden().nowrap(),
    Subscript(kPage, "Label4", 18, {5430, 3375, 120, 195}, "rp").hidden(),
    Label(kPage, "Label4", 17, {8325, 3315, 255, 255}, "kV").hidden(),

    Button(kPage, "Command21", 17, {5670, 5490, 1485, 405}, "<< Back"),
    Button(kPage, "Command21", 18, {7380, 5490, 1485, 405}, "Next >>").disabled(),
};

// A box of the summary, locked and hidden with it.
constexpr Row SummaryBox(int slot, int top) {
  return Box(kPage, slot, {7395, top, 900, 285}).hidden().length(7).readOnly();
}

constexpr ControlDesign kValueStoreRows[] = {
    SummaryBox(UrpFfPe, 2820),
    SummaryBox(UrpFfPp, 3300),
    Box(kPage, FfSpareFlag, {240, 600, 900, 285}).hidden().text(frame::kFlagDesignText),
};

}  // namespace

std::span<const ControlDesign> FastFrontPage::Design() { return kDesign; }

std::span<const ControlDesign> FastFrontPage::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace surge

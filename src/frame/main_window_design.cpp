// frmVarno: the Um entry at the top and the tree of tab strips below it.
// The stages put their frames, labels, options and buttons on these pages.

#include <array>

#include "frame/control_ref.hpp"
#include "frame/page_rule.hpp"
#include "frame/window_designs.hpp"
#include "platform/control.hpp"

namespace frame {

namespace {

using platform::Bold;
using platform::ControlDesign;
using platform::Disabled;
using platform::Hidden;
using platform::Kind;
using platform::NoPageFocus;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr std::array kTopArea{
    // "U" and "value" leave a gap for the subscript label Label1(0) "m".
    ControlDesign{.kind = Kind::Label, .name = "Label2",
                  .left = 4950, .top = 150, .width = 1815, .height = 285, .caption = "Enter U    value (kV)"},
    ControlDesign{.kind = Kind::Label, .name = "Label1", .index = 0,
                  .left = 5535, .top = 210, .width = 165, .height = 270, .caption = "m", .fontSize = kSubscript},
    ControlDesign{.kind = Kind::TextBox, .name = "txtUm",
                  .left = 6780, .top = 150, .width = 945, .height = 285, .maxLength = 6},
    ControlDesign{.kind = Kind::CommandButton, .name = "cmdOKUm",
                  .left = 7800, .top = 150, .width = 1365, .height = 315, .caption = "OK"},
    // Covers the prompt, the box and the button once Um is accepted.
    ControlDesign{.kind = Kind::Label, .name = "lblRange",
                  .left = 4320, .top = 150, .width = 5805, .height = 285, .caption = "Label3",
                  .flags = Hidden | Bold, .foreColor = platform::kBlue},
    // Scratch of the number-text helpers' callers; never shown.
    ControlDesign{.kind = Kind::TextBox, .name = "Text8",
                  .left = 480, .top = 180, .width = 3375, .height = 285, .caption = "Text8", .flags = Hidden},
};

constexpr const char* kInternalExternal = "Internal insulation|External insulation";
constexpr const char* kPhaseToEarthPhase = "Phase to earth|Phase to phase";

// Containers come before what they hold.
constexpr std::array kPageTree{
    ControlDesign{.kind = Kind::TabStrip, .name = "tabGeneral",
                  .left = 0, .top = 630, .width = 14445, .height = 10425, .flags = Disabled,
                  .tabs = "Representative overvoltages|Co-ordination withstand voltages|"
                          "Required withstand voltages|Standard insulation level|Results",
                  .tab = 0},

    // Page 0: representative overvoltages.
    ControlDesign{.kind = Kind::TabStrip, .name = "tabSubGeneral1", .container = "tabGeneral", .page = 0,
                  .left = 0, .top = 510, .width = 14445, .height = 9885, .flags = Hidden,
                  .tabs = "Temporary overvoltages|Surge arrester|Slow front overvoltages|Fast front overvoltages",
                  .tab = 3},
    ControlDesign{.kind = Kind::TabStrip, .name = "tabCalculation1", .container = "tabSubGeneral1", .page = 0,
                  .left = 30, .top = 300, .width = 14460, .height = 9555, .flags = Hidden,
                  .tabs = "Load rejection K1|Energization of unloaded lines K2|Earth fault K3|"
                          "Resonance effects K4|Combination of TOV",
                  .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 0, .container = "tabSubGeneral1", .page = 2,
                  .left = 0, .top = 300, .width = 14415, .height = 4845, .flags = Hidden,
                  .tabs = kPhaseToEarthPhase, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 1, .container = "tabSubGeneral1", .page = 2,
                  .left = 0, .top = 270, .width = 14415, .height = 6615, .flags = Hidden,
                  .tabs = kPhaseToEarthPhase, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 2, .container = "tabSubGeneral1", .page = 3,
                  .left = -120, .top = 300, .width = 14445, .height = 7215, .flags = Hidden,
                  .tabs = "Formula I|Formula II|Formula III|Choose Urp value", .tab = 1},

    // Page 1: co-ordination withstand voltages.
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 3, .container = "tabGeneral", .page = 1,
                  .left = 0, .top = 480, .width = 14415, .height = 9885,
                  .tabs = "Temporary overvoltages|Slow front overvoltages|Fast front overvoltages", .tab = 2},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 4, .container = "SSTab1", .containerIndex = 3,
                  .page = 1, .left = 0, .top = 300, .width = 14415, .height = 9555, .flags = Hidden,
                  .tabs = kPhaseToEarthPhase, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 5, .container = "SSTab1", .containerIndex = 3,
                  .page = 2, .left = 0, .top = 300, .width = 14385, .height = 8625, .flags = Hidden,
                  .tabs = "&Internal insulation|&External insulation", .tab = 0},

    // Page 2: required withstand voltages and conversion.
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 6, .container = "tabGeneral", .page = 2,
                  .left = 0, .top = 510, .width = 14445, .height = 9795,
                  .tabs = "Temporary overvoltages|Slow front overvoltages|Fast front overvoltages|Conversion",
                  .tab = 3},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 7, .container = "SSTab1", .containerIndex = 6,
                  .page = 0, .left = 0, .top = 300, .width = 14445, .height = 8895, .flags = Hidden,
                  .tabs = kInternalExternal, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 8, .container = "SSTab1", .containerIndex = 6,
                  .page = 1, .left = -60, .top = 300, .width = 14445, .height = 8895, .flags = Hidden,
                  .tabs = kInternalExternal, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 9, .container = "SSTab1", .containerIndex = 6,
                  .page = 2, .left = 0, .top = 300, .width = 14445, .height = 8985, .flags = Hidden,
                  .tabs = kInternalExternal, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 10, .container = "SSTab1", .containerIndex = 6,
                  .page = 3, .left = -30, .top = 300, .width = 14445, .height = 7035, .flags = Hidden,
                  .tabs = kInternalExternal, .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 11, .container = "SSTab1", .containerIndex = 6,
                  .page = 3, .left = -90, .top = 300, .width = 14445, .height = 9585, .flags = Hidden,
                  .tabs = kInternalExternal, .tab = 0},

    // Page 3: standard insulation level; Range II uses the strip, Range I the frame.
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 12, .container = "tabGeneral", .page = 3,
                  .left = 0, .top = 510, .width = 14475, .height = 9885, .flags = Hidden,
                  .tabs = "&Internal insulation|&External insulation", .tab = 0},
    // Page 4: results, Range II table shown, Range I table hidden.
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 13, .container = "tabGeneral", .page = 4,
                  .left = 0, .top = 510, .width = 14445, .height = 5475, .tabs = "Tab 0", .tab = 0},
    ControlDesign{.kind = Kind::TabStrip, .name = "SSTab1", .index = 14, .container = "tabGeneral", .page = 4,
                  .left = 0, .top = 510, .width = 14445, .height = 6045, .flags = Hidden,
                  .tabs = "Tab 0", .tab = 0},
    // Below the table, and on its print, the block that says what made it and when.
    ControlDesign{.kind = Kind::Frame, .name = "Frame38", .container = "tabGeneral", .page = 4,
                  .left = 240, .top = 6720, .width = 6855, .height = 1935},
    ControlDesign{.kind = Kind::Label, .name = "lblCredit", .index = 0, .container = "Frame38",
                  .left = 240, .top = 300, .width = 6375, .height = 285, .caption = kWindowCaption, .flags = Bold},
    ControlDesign{.kind = Kind::Label, .name = "lblCredit", .index = 1, .container = "Frame38",
                  .left = 240, .top = 660, .width = 6375, .height = 285,
                  .caption = "Insulation co-ordination procedure of IEC 60071-1 and IEC 60071-2"},
    ControlDesign{.kind = Kind::Label, .name = "lblCredit", .index = 2, .container = "Frame38",
                  .left = 240, .top = 1020, .width = 2535, .height = 285, .caption = kVersionCredit},
    ControlDesign{.kind = Kind::Label, .name = "Label23", .index = 8, .container = "Frame38",
                  .left = 240, .top = 1440, .width = 2535, .height = 285, .caption = "Date"},
    ControlDesign{.kind = Kind::CommandButton, .name = "Command25", .index = 19, .container = "tabGeneral",
                  .page = 4, .left = 7560, .top = 9240, .width = 1935, .height = 495, .caption = "Restart Program",
                  .flags = NoPageFocus},
    ControlDesign{.kind = Kind::CommandButton, .name = "Command25", .index = 20, .container = "tabGeneral",
                  .page = 4, .left = 9735, .top = 9240, .width = 1935, .height = 495, .caption = "Exit Program",
                  .flags = NoPageFocus},
    ControlDesign{.kind = Kind::CommandButton, .name = "Command25", .index = 21, .container = "tabGeneral",
                  .page = 4, .left = 11910, .top = 9240, .width = 1935, .height = 495, .caption = "Print Screen"},
};

// The strips of the procedure's steps; the others are laid over a page.
constexpr ControlRef kStepStrips[] = {
    {"tabGeneral"}, {"tabSubGeneral1"}, {"tabCalculation1"}, {"SSTab1", 3}, {"SSTab1", 6}, {"SSTab1", 12},
};

}  // namespace

bool IsStepStrip(const platform::Control& strip) {
  for (const ControlRef& s : kStepStrips)
    if (strip.index() == s.index && strip.name() == s.name) return true;
  return false;
}

std::span<const ControlDesign> MainWindowTopAreaDesign() { return kTopArea; }
std::span<const ControlDesign> MainWindowPageTreeDesign() { return kPageTree; }

}  // namespace frame

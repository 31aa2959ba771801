// Design of the page "Combination of TOV": heading, option frames, the
// reactance and entry frames and the result rows (the value boxes 34 to 40
// come with the value store).

#include "tov/combination_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kStrip = "tabCalculation1";
constexpr int kPage = 4;

constexpr ControlDesign kDesign[] = {
    {.kind = Kind::Label, .name = "Label30", .index = 1, .container = kStrip, .page = kPage,
     .left = 4440, .top = 660, .width = 5505, .height = 255,
     .caption = "Combination of load rejection (K1) and earth fault (K3)", .flags = Bold,
     .foreColor = platform::kBlue},

    // Enter / Calculate / Ignore, and a note R0 = 0 that stays hidden.
    {.kind = Kind::Frame, .name = "Frame18", .container = kStrip, .page = kPage,
     .left = 180, .top = 960, .width = 14055, .height = 675},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 23, .container = "Frame18",
     .left = 1590, .top = 240, .width = 1185, .height = 255, .caption = "Enter"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 24, .container = "Frame18",
     .left = 6450, .top = 240, .width = 1185, .height = 255, .caption = "Calculate"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 25, .container = "Frame18",
     .left = 11310, .top = 240, .width = 1185, .height = 255, .caption = "Ignore"},
    {.kind = Kind::Label, .name = "Label30", .index = 0, .container = "Frame18",
     .left = 7680, .top = 240, .width = 180, .height = 255, .caption = "R", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label31", .container = "Frame18",
     .left = 7860, .top = 330, .width = 120, .height = 195, .caption = "0", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label29", .container = "Frame18",
     .left = 7980, .top = 240, .width = 540, .height = 255, .caption = " = 0", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue},

    // Enter Factor / Enter Urp.
    {.kind = Kind::Frame, .name = "Frame19", .container = kStrip, .page = kPage,
     .left = 180, .top = 1680, .width = 4425, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 26, .container = "Frame19",
     .left = 420, .top = 240, .width = 1425, .height = 255, .caption = "Enter Factor"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 27, .container = "Frame19",
     .left = 2640, .top = 240, .width = 1185, .height = 255, .caption = "Enter Urp"},

    // Calculation frame: X0 and X1 with their help label.
    {.kind = Kind::Frame, .name = "Frame17", .container = kStrip, .page = kPage,
     .left = 4710, .top = 1680, .width = 6165, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label33", .index = 36, .container = "Frame17",
     .left = 270, .top = 300, .width = 1995, .height = 225, .caption = "Enter X     value (Ω)"},
    {.kind = Kind::Label, .name = "Label33", .index = 34, .container = "Frame17",
     .left = 895, .top = 420, .width = 135, .height = 195, .caption = "0", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 37, .container = "Frame17",
     .left = 270, .top = 750, .width = 1725, .height = 225, .caption = "Enter X     value (Ω)"},
    {.kind = Kind::Label, .name = "Label33", .index = 35, .container = "Frame17",
     .left = 895, .top = 840, .width = 135, .height = 195, .caption = "1", .fontSize = kSubscript},
    {.kind = Kind::CommandButton, .name = "Command17", .container = "Frame17",
     .left = 2430, .top = 1170, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label27", .container = "Frame17",
     .left = 3360, .top = 300, .width = 2790, .height = 255, .caption = "Label27", .flags = Hidden,
     .foreColor = platform::kBlue},

    // Entry frame: the factor row, or the two Urp rows.
    {.kind = Kind::Frame, .name = "Frame20", .container = kStrip, .page = kPage,
     .left = 180, .top = 2430, .width = 4425, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label38", .container = "Frame20",
     .left = 90, .top = 360, .width = 1455, .height = 285, .caption = "Enter K13 value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label36", .container = "Frame20",
     .left = 90, .top = 690, .width = 4215, .height = 705, .caption = "Typical   values   0,85<K13<1,7",
     .flags = Hidden, .foreColor = platform::kRed},
    {.kind = Kind::Label, .name = "Label37", .container = "Frame20",
     .left = 90, .top = 330, .width = 1845, .height = 285, .caption = "Enter U    (p-e) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label34", .container = "Frame20",
     .left = 675, .top = 390, .width = 195, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 8, .container = "Frame20",
     .left = 3090, .top = 330, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label35", .container = "Frame20",
     .left = 90, .top = 750, .width = 1845, .height = 285, .caption = "Enter U    (p-p) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label32", .container = "Frame20",
     .left = 675, .top = 840, .width = 195, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 7, .container = "Frame20",
     .left = 3090, .top = 765, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::CommandButton, .name = "Command20", .container = "Frame20",
     .left = 2490, .top = 330, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},

    // Result rows (the boxes are Text1(40) and Text1(39)).
    {.kind = Kind::Label, .name = "Label39", .container = kStrip, .page = kPage,
     .left = 4980, .top = 8070, .width = 2025, .height = 255, .caption = "U     (phase to earth) :",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 8, .container = kStrip, .page = kPage,
     .left = 5160, .top = 8130, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 9, .container = kStrip, .page = kPage,
     .left = 7995, .top = 8070, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label40", .container = kStrip, .page = kPage,
     .left = 4980, .top = 8550, .width = 2025, .height = 255, .caption = "U     (phase to phase) :",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 9, .container = kStrip, .page = kPage,
     .left = 5160, .top = 8610, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 10, .container = kStrip, .page = kPage,
     .left = 7995, .top = 8550, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
};

}  // namespace

std::span<const platform::ControlDesign> CombinationPage::Design() { return kDesign; }

}  // namespace tov

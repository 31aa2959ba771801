// Design of the page "Earth fault K3": its option frames, the entry and
// calculation frames, the diagram and the result row (the value boxes 18 to 22
// come with the value store).

#include "tov/k3_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kStrip = "tabCalculation1";
constexpr int kPage = 2;

constexpr ControlDesign kDesign[] = {
    // Enter / Calculate / Ignore, with the note R0 = R1 = 0 beside "Calculate".
    {.kind = Kind::Frame, .name = "Frame8", .container = kStrip, .page = kPage,
     .left = 180, .top = 720, .width = 14055, .height = 675},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 7, .container = "Frame8",
     .left = 1590, .top = 240, .width = 1185, .height = 255, .caption = "Enter"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 8, .container = "Frame8",
     .left = 6450, .top = 240, .width = 1185, .height = 255, .caption = "Calculate"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 9, .container = "Frame8",
     .left = 11310, .top = 240, .width = 1185, .height = 255, .caption = "Ignore"},
    {.kind = Kind::Label, .name = "Label55", .container = "Frame8",
     .left = 7680, .top = 240, .width = 150, .height = 255, .caption = "R", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label54", .container = "Frame8",
     .left = 7830, .top = 330, .width = 150, .height = 195, .caption = "0", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label56", .container = "Frame8",
     .left = 7980, .top = 240, .width = 1035, .height = 255, .caption = "=  R    = 0", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label57", .container = "Frame8",
     .left = 8345, .top = 330, .width = 150, .height = 195, .caption = "1", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue, .fontSize = kSubscript},

    // Enter Factor / Enter Urp.
    {.kind = Kind::Frame, .name = "Frame7", .container = kStrip, .page = kPage,
     .left = 180, .top = 1440, .width = 4425, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 10, .container = "Frame7",
     .left = 420, .top = 240, .width = 1425, .height = 255, .caption = "Enter Factor"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 11, .container = "Frame7",
     .left = 2640, .top = 240, .width = 1185, .height = 255, .caption = "Enter Urp"},

    // Single / two phase earth fault.
    {.kind = Kind::Frame, .name = "Frame9", .container = kStrip, .page = kPage,
     .left = 4710, .top = 1440, .width = 6195, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 12, .container = "Frame9",
     .left = 330, .top = 240, .width = 2445, .height = 255, .caption = "Single phase earth fault"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 13, .container = "Frame9",
     .left = 3570, .top = 240, .width = 2235, .height = 255, .caption = "Two phase earth fault"},

    // Entry frame: the factor row and the Urp row share their place.
    {.kind = Kind::Frame, .name = "Frame6", .container = kStrip, .page = kPage,
     .left = 180, .top = 2190, .width = 4425, .height = 1065, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label50", .container = "Frame6",
     .left = 90, .top = 360, .width = 1305, .height = 285, .caption = "Enter K3 value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label49", .container = "Frame6",
     .left = 90, .top = 330, .width = 1845, .height = 285, .caption = "Enter U    (p-e) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label46", .container = "Frame6",
     .left = 675, .top = 390, .width = 195, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 4, .container = "Frame6",
     .left = 3090, .top = 330, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::CommandButton, .name = "Command11", .container = "Frame6",
     .left = 2430, .top = 330, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label51", .container = "Frame6",
     .left = 90, .top = 690, .width = 4215, .height = 285, .caption = "Typical   values   1<K3<1,7",
     .flags = Hidden, .foreColor = platform::kRed},

    // Calculation frame: X0 and X1 with their help label.
    {.kind = Kind::Frame, .name = "Frame10", .container = kStrip, .page = kPage,
     .left = 4710, .top = 2190, .width = 6165, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label33", .index = 18, .container = "Frame10",
     .left = 270, .top = 300, .width = 1995, .height = 225, .caption = "Enter X     value (Ω)"},
    {.kind = Kind::Label, .name = "Label33", .index = 19, .container = "Frame10",
     .left = 895, .top = 420, .width = 135, .height = 195, .caption = "0", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 20, .container = "Frame10",
     .left = 270, .top = 750, .width = 1725, .height = 225, .caption = "Enter X     value (Ω)"},
    {.kind = Kind::Label, .name = "Label33", .index = 21, .container = "Frame10",
     .left = 895, .top = 840, .width = 135, .height = 195, .caption = "1", .fontSize = kSubscript},
    {.kind = Kind::CommandButton, .name = "Command12", .container = "Frame10",
     .left = 2430, .top = 1170, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label10", .container = "Frame10",
     .left = 3360, .top = 300, .width = 2790, .height = 255, .caption = "Label10", .flags = Hidden,
     .foreColor = platform::kBlue},

    // The one-line diagram and the separator above the result row.
    {.kind = Kind::Image, .name = "Image3", .container = kStrip, .page = kPage,
     .left = 120, .top = 5130, .width = 4455, .height = 1905, .caption = "k3_earth_fault"},
    {.kind = Kind::Line, .name = "Line1", .index = 2, .container = kStrip, .page = kPage,
     .left = 180, .top = 7260, .width = 14160, .height = 0},

    // Result row (the box is Text1(22)).
    {.kind = Kind::Label, .name = "Label52", .container = kStrip, .page = kPage,
     .left = 5550, .top = 7920, .width = 2025, .height = 255, .caption = "U     (phase to earth) :",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 6, .container = kStrip, .page = kPage,
     .left = 5730, .top = 7980, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 7, .container = kStrip, .page = kPage,
     .left = 8565, .top = 7920, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
};

}  // namespace

std::span<const platform::ControlDesign> K3Page::Design() { return kDesign; }

}  // namespace tov

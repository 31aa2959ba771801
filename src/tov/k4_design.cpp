// Design of the page "Resonance effects K4": its option frames, the entry and
// resonance-data frames, the two figures and the result rows (the value boxes
// 23 to 33 come with the value store).

#include "tov/k4_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kStrip = "tabCalculation1";
constexpr int kPage = 3;
constexpr std::uint32_t kDarkRed = 0xC00000u;

constexpr ControlDesign kDesign[] = {
    // Enter / Calculate / Ignore.
    {.kind = Kind::Frame, .name = "Frame15", .container = kStrip, .page = kPage,
     .left = 180, .top = 720, .width = 14055, .height = 675},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 14, .container = "Frame15",
     .left = 1590, .top = 240, .width = 1185, .height = 255, .caption = "Enter"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 15, .container = "Frame15",
     .left = 6450, .top = 240, .width = 1185, .height = 255, .caption = "Calculate"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 16, .container = "Frame15",
     .left = 11310, .top = 240, .width = 1185, .height = 255, .caption = "Ignore"},

    // Enter Factor / Enter Urp.
    {.kind = Kind::Frame, .name = "Frame14", .container = kStrip, .page = kPage,
     .left = 180, .top = 1440, .width = 4425, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 17, .container = "Frame14",
     .left = 420, .top = 240, .width = 1425, .height = 255, .caption = "Enter Factor"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 18, .container = "Frame14",
     .left = 2640, .top = 240, .width = 1185, .height = 255, .caption = "Enter Urp"},

    // Step-down / step-up transformers.
    {.kind = Kind::Frame, .name = "Frame13", .container = kStrip, .page = kPage,
     .left = 4710, .top = 1440, .width = 6195, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 19, .container = "Frame13",
     .left = 330, .top = 240, .width = 2445, .height = 255, .caption = "Step down transformers"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 20, .container = "Frame13",
     .left = 3330, .top = 240, .width = 2175, .height = 255, .caption = "Step up transformers"},

    // Entry frame: the factor row, or the two Urp rows.
    {.kind = Kind::Frame, .name = "Frame11", .container = kStrip, .page = kPage,
     .left = 180, .top = 2190, .width = 4425, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label59", .container = "Frame11",
     .left = 90, .top = 360, .width = 1305, .height = 285, .caption = "Enter K4 value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label61", .container = "Frame11",
     .left = 90, .top = 690, .width = 4215, .height = 705,
     .caption = "Typical values                                                                   "
                "For coupled circuits  3<K4<5 without SA (Fig.1)                     "
                "For  saturation  phenomena  2<K4<3 (Fig.2)",
     .flags = Hidden, .foreColor = platform::kRed},
    {.kind = Kind::Label, .name = "Label58", .container = "Frame11",
     .left = 90, .top = 330, .width = 1845, .height = 285, .caption = "Enter U    (p-e) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label47", .container = "Frame11",
     .left = 675, .top = 390, .width = 195, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 5, .container = "Frame11",
     .left = 3090, .top = 330, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label53", .container = "Frame11",
     .left = 90, .top = 750, .width = 1845, .height = 285, .caption = "Enter U    (p-p) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label48", .container = "Frame11",
     .left = 675, .top = 840, .width = 195, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 6, .container = "Frame11",
     .left = 3090, .top = 765, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::CommandButton, .name = "Command15", .container = "Frame11",
     .left = 2490, .top = 330, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},

    // Overvoltage level, with the notes shown on hover.
    {.kind = Kind::Frame, .name = "Frame16", .container = kStrip, .page = kPage,
     .left = 4710, .top = 2190, .width = 6195, .height = 855, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 21, .container = "Frame16",
     .left = 330, .top = 240, .width = 2025, .height = 255, .caption = "at 1,2 pu"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 22, .container = "Frame16",
     .left = 3330, .top = 240, .width = 1905, .height = 255, .caption = "at 1,5 pu"},
    {.kind = Kind::Label, .name = "Label76", .container = "Frame16",
     .left = 360, .top = 510, .width = 1635, .height = 225, .caption = "Normal case", .flags = Hidden,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label69", .container = "Frame16",
     .left = 2580, .top = 510, .width = 3555, .height = 315,
     .caption = "Transformers with large tap-changer ranges", .flags = Hidden | NoWrap,
     .foreColor = platform::kBlue},

    // Resonance data, the two ratios and the factor decision.
    {.kind = Kind::Frame, .name = "Frame12", .container = kStrip, .page = kPage,
     .left = 4710, .top = 3060, .width = 6165, .height = 3165, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label33", .index = 22, .container = "Frame12",
     .left = 270, .top = 270, .width = 2055, .height = 225, .caption = "Enter S      value (MVA)"},
    {.kind = Kind::Label, .name = "Label33", .index = 23, .container = "Frame12",
     .left = 895, .top = 360, .width = 195, .height = 195, .caption = "Tr", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 24, .container = "Frame12",
     .left = 270, .top = 690, .width = 2055, .height = 225, .caption = "Enter S       value (GVA)"},
    {.kind = Kind::Label, .name = "Label33", .index = 25, .container = "Frame12",
     .left = 895, .top = 780, .width = 195, .height = 195, .caption = "SC", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 26, .container = "Frame12",
     .left = 270, .top = 1140, .width = 2055, .height = 225, .caption = "Enter Q   value (MVAr)"},
    {.kind = Kind::Label, .name = "Label33", .index = 27, .container = "Frame12",
     .left = 870, .top = 1260, .width = 135, .height = 195, .caption = "L", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 28, .container = "Frame12",
     .left = 1440, .top = 1560, .width = 915, .height = 225, .caption = "S    /S     ="},
    {.kind = Kind::Label, .name = "Label33", .index = 29, .container = "Frame12",
     .left = 1590, .top = 1650, .width = 195, .height = 195, .caption = "Tr", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 30, .container = "Frame12",
     .left = 1920, .top = 1650, .width = 195, .height = 195, .caption = "SC", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 31, .container = "Frame12",
     .left = 1440, .top = 1980, .width = 915, .height = 225, .caption = "Q   /S     ="},
    {.kind = Kind::Label, .name = "Label33", .index = 32, .container = "Frame12",
     .left = 1605, .top = 2070, .width = 135, .height = 195, .caption = "L", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 33, .container = "Frame12",
     .left = 1885, .top = 2070, .width = 195, .height = 195, .caption = "SC", .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label81", .container = "Frame12",
     .left = 270, .top = 2400, .width = 2055, .height = 255, .caption = "Factor ignored", .flags = Hidden,
     .foreColor = kDarkRed},
    {.kind = Kind::CommandButton, .name = "Command16", .container = "Frame12",
     .left = 2430, .top = 2790, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label63", .container = "Frame12",
     .left = 3360, .top = 300, .width = 2655, .height = 255, .caption = "Label63", .flags = Hidden,
     .foreColor = platform::kBlue},

    // Figures 1 and 2 and the separator above the results.
    {.kind = Kind::Image, .name = "Image5", .container = kStrip, .page = kPage,
     .left = 120, .top = 4080, .width = 4455, .height = 1455, .caption = "k4_resonance_fig1"},
    {.kind = Kind::Image, .name = "Image4", .container = kStrip, .page = kPage,
     .left = 120, .top = 5670, .width = 4455, .height = 1545, .caption = "k4_resonance_fig2"},
    {.kind = Kind::Line, .name = "Line1", .index = 3, .container = kStrip, .page = kPage,
     .left = 150, .top = 7380, .width = 14160, .height = 0},

    // Result rows (the boxes are Text1(32) and Text1(33)).
    {.kind = Kind::Label, .name = "Label90", .container = kStrip, .page = kPage,
     .left = 4950, .top = 7890, .width = 2025, .height = 255, .caption = "U     (phase to earth) :",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 7, .container = kStrip, .page = kPage,
     .left = 5130, .top = 7950, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 8, .container = kStrip, .page = kPage,
     .left = 7965, .top = 7890, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label91", .container = kStrip, .page = kPage,
     .left = 4950, .top = 8370, .width = 2025, .height = 255, .caption = "U     (phase to phase) :",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 5, .container = kStrip, .page = kPage,
     .left = 5130, .top = 8430, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 6, .container = kStrip, .page = kPage,
     .left = 7965, .top = 8370, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
};

}  // namespace

std::span<const platform::ControlDesign> K4Page::Design() { return kDesign; }

}  // namespace tov

// The K2 page's controls as they stand when the main window is loaded. The
// value-store boxes 1 to 17 are created by the value store inside Frame5,
// Frame3 and on the page itself.

#include "tov/k2_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kStrip = "tabCalculation1";
constexpr int kPage = 1;

constexpr unsigned kNote = Hidden | NoWrap;

constexpr ControlDesign kDesign[] = {
    // Mode frames and their option buttons.
    {.kind = Kind::Frame, .name = "Frame1", .container = kStrip, .page = kPage,
     .left = 180, .top = 720, .width = 14055, .height = 675},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 0, .container = "Frame1",
     .left = 1590, .top = 240, .width = 1185, .height = 255, .caption = "Enter"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 1, .container = "Frame1",
     .left = 6450, .top = 240, .width = 1185, .height = 255, .caption = "Calculate"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 2, .container = "Frame1",
     .left = 11310, .top = 240, .width = 1185, .height = 255, .caption = "Ignore"},

    {.kind = Kind::Frame, .name = "Frame2", .container = kStrip, .page = kPage,
     .left = 180, .top = 1440, .width = 4425, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 3, .container = "Frame2",
     .left = 420, .top = 240, .width = 1425, .height = 255, .caption = "Enter Factor"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 4, .container = "Frame2",
     .left = 2640, .top = 240, .width = 1185, .height = 255, .caption = "Enter Urp"},

    {.kind = Kind::Frame, .name = "Frame4", .container = kStrip, .page = kPage,
     .left = 4710, .top = 1440, .width = 6195, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 5, .container = "Frame4",
     .left = 330, .top = 240, .width = 2025, .height = 255, .caption = "Analytical formula"},
    {.kind = Kind::OptionButton, .name = "Option1", .index = 6, .container = "Frame4",
     .left = 2610, .top = 240, .width = 1905, .height = 255, .caption = "Simplified formula"},
    // The note K2RE = K2SE beside "Simplified formula", shown on hover.
    {.kind = Kind::Label, .name = "Label9", .index = 1, .container = "Frame4",
     .left = 4770, .top = 240, .width = 135, .height = 255, .caption = "K", .flags = kNote,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label21", .container = "Frame4",
     .left = 4890, .top = 330, .width = 390, .height = 195, .caption = "2RE", .flags = kNote,
     .foreColor = platform::kBlue, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label67", .container = "Frame4",
     .left = 5310, .top = 240, .width = 300, .height = 255, .caption = "=  K", .flags = kNote,
     .foreColor = platform::kBlue},
    {.kind = Kind::Label, .name = "Label68", .container = "Frame4",
     .left = 5610, .top = 330, .width = 390, .height = 195, .caption = "2SE", .flags = kNote,
     .foreColor = platform::kBlue, .fontSize = kSubscript},

    // Entry frame: the typed K2, or the two typed Urp values.
    {.kind = Kind::Frame, .name = "Frame5", .container = kStrip, .page = kPage,
     .left = 180, .top = 2190, .width = 4425, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label19", .container = "Frame5",
     .left = 90, .top = 360, .width = 1335, .height = 255, .caption = "Enter K2 value", .flags = kNote},
    {.kind = Kind::Label, .name = "Label18", .container = "Frame5",
     .left = 90, .top = 690, .width = 4215, .height = 915,
     .caption = "Typical values"
                "                                                                       "
                "For systems  with  high  short-circuit  power 1<K2<1,1"
                "          "
                "For systems  with  low  short-circuit  power  1<K2<1,2",
     .flags = Hidden, .foreColor = platform::kRed},
    {.kind = Kind::Label, .name = "Label17", .container = "Frame5",
     .left = 90, .top = 330, .width = 1935, .height = 255, .caption = "Enter U    (p-e) value", .flags = kNote},
    {.kind = Kind::Label, .name = "Label15", .container = "Frame5",
     .left = 675, .top = 390, .width = 255, .height = 195, .caption = "rp", .flags = kNote, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 3, .container = "Frame5",
     .left = 3090, .top = 330, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::Label, .name = "Label16", .container = "Frame5",
     .left = 90, .top = 750, .width = 1935, .height = 255, .caption = "Enter U    (p-p) value", .flags = kNote},
    {.kind = Kind::Label, .name = "Label11", .container = "Frame5",
     .left = 675, .top = 840, .width = 255, .height = 195, .caption = "rp", .flags = kNote, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "lblKV", .index = 2, .container = "Frame5",
     .left = 3090, .top = 765, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::CommandButton, .name = "Command1", .container = "Frame5",
     .left = 2490, .top = 330, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},

    // Line-data frame: ten caption rows, subscripts inside the captions' blank runs.
    {.kind = Kind::Frame, .name = "Frame3", .container = kStrip, .page = kPage,
     .left = 4710, .top = 2190, .width = 6165, .height = 4875, .flags = Hidden},
    {.kind = Kind::Label, .name = "Label33", .index = 0, .container = "Frame3",
     .left = 270, .top = 270, .width = 2100, .height = 255, .caption = "Enter f value (Hz)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 1, .container = "Frame3",
     .left = 270, .top = 690, .width = 2100, .height = 255, .caption = "Enter l (km)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 2, .container = "Frame3",
     .left = 270, .top = 1140, .width = 2100, .height = 255, .caption = "Enter C   value (F/km)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 3, .container = "Frame3",
     .left = 855, .top = 1230, .width = 150, .height = 195, .caption = "1", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 4, .container = "Frame3",
     .left = 270, .top = 1560, .width = 2100, .height = 255, .caption = "Enter U   value (kV)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 5, .container = "Frame3",
     .left = 855, .top = 1650, .width = 150, .height = 195, .caption = "2", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 6, .container = "Frame3",
     .left = 270, .top = 1980, .width = 2100, .height = 255, .caption = "Enter Q      value (kVAr)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 7, .container = "Frame3",
     .left = 885, .top = 2070, .width = 300, .height = 195, .caption = "OL", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 8, .container = "Frame3",
     .left = 270, .top = 2400, .width = 2100, .height = 255, .caption = "Enter S       value (MVA)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 9, .container = "Frame3",
     .left = 895, .top = 2490, .width = 300, .height = 195, .caption = "SC", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 10, .container = "Frame3",
     .left = 270, .top = 2820, .width = 2100, .height = 255, .caption = "Enter Q      value (kVAr)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 11, .container = "Frame3",
     .left = 885, .top = 2910, .width = 300, .height = 195, .caption = "SE", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 12, .container = "Frame3",
     .left = 270, .top = 3240, .width = 2100, .height = 255, .caption = "Enter Q      value (kVAr)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 13, .container = "Frame3",
     .left = 877, .top = 3330, .width = 300, .height = 195, .caption = "RE", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 14, .container = "Frame3",
     .left = 270, .top = 3660, .width = 2100, .height = 255, .caption = "Enter S       value (MVA)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 15, .container = "Frame3",
     .left = 895, .top = 3750, .width = 300, .height = 195, .caption = "OL", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label33", .index = 16, .container = "Frame3",
     .left = 270, .top = 4080, .width = 2100, .height = 255, .caption = "Enter L   value (H/km)", .flags = NoWrap},
    {.kind = Kind::Label, .name = "Label33", .index = 17, .container = "Frame3",
     .left = 825, .top = 4170, .width = 150, .height = 195, .caption = "1", .flags = NoWrap, .fontSize = kSubscript},
    {.kind = Kind::CommandButton, .name = "Command8", .container = "Frame3",
     .left = 2430, .top = 4470, .width = 900, .height = 285, .caption = "OK"},
    {.kind = Kind::Label, .name = "Label23", .index = 0, .container = "Frame3",
     .left = 3360, .top = 300, .width = 2790, .height = 255, .flags = Hidden},

    // The line diagram and the rule above the results.
    {.kind = Kind::Image, .name = "Image2", .container = kStrip, .page = kPage,
     .left = 120, .top = 5130, .width = 4455, .height = 1905, .caption = "k2_line"},
    {.kind = Kind::Line, .name = "Line1", .index = 1, .container = kStrip, .page = kPage,
     .left = 150, .top = 7320, .width = 14160, .height = 0},

    // Results: receiving end (or the end chosen) and the sending end beside it.
    {.kind = Kind::Label, .name = "Label24", .container = kStrip, .page = kPage,
     .left = 7200, .top = 7440, .width = 135, .height = 255, .caption = "K", .flags = kNote,
     .foreColor = platform::kRed},
    {.kind = Kind::Label, .name = "Label25", .container = kStrip, .page = kPage,
     .left = 7320, .top = 7530, .width = 390, .height = 195, .caption = "2RE", .flags = kNote,
     .foreColor = platform::kRed, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label45", .container = kStrip, .page = kPage,
     .left = 8760, .top = 7440, .width = 135, .height = 255, .caption = "K", .flags = kNote,
     .foreColor = platform::kRed},
    {.kind = Kind::Label, .name = "Label26", .container = kStrip, .page = kPage,
     .left = 8880, .top = 7530, .width = 390, .height = 195, .caption = "2SE", .flags = kNote,
     .foreColor = platform::kRed, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label20", .container = kStrip, .page = kPage,
     .left = 4950, .top = 7890, .width = 1995, .height = 255, .caption = "U     (phase to earth) :", .flags = kNote},
    {.kind = Kind::Label, .name = "Label1", .index = 3, .container = kStrip, .page = kPage,
     .left = 5130, .top = 7950, .width = 255, .height = 195, .caption = "rp", .flags = kNote, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 2, .container = kStrip, .page = kPage,
     .left = 7965, .top = 7890, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::Label, .name = "Label13", .index = 4, .container = kStrip, .page = kPage,
     .left = 9495, .top = 7875, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::Label, .name = "Label22", .container = kStrip, .page = kPage,
     .left = 4950, .top = 8370, .width = 1995, .height = 255, .caption = "U     (phase to phase) :", .flags = kNote},
    {.kind = Kind::Label, .name = "Label1", .index = 4, .container = kStrip, .page = kPage,
     .left = 5130, .top = 8430, .width = 255, .height = 195, .caption = "rp", .flags = kNote, .fontSize = kSubscript},
    {.kind = Kind::Label, .name = "Label13", .index = 3, .container = kStrip, .page = kPage,
     .left = 7965, .top = 8370, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::Label, .name = "Label13", .index = 5, .container = kStrip, .page = kPage,
     .left = 9495, .top = 8355, .width = 375, .height = 255, .caption = "kV", .flags = kNote},
    {.kind = Kind::CommandButton, .name = "Command6", .container = kStrip, .page = kPage,
     .left = 6915, .top = 8790, .width = 1230, .height = 285, .caption = "Choose K2RE", .flags = Hidden},
    {.kind = Kind::CommandButton, .name = "Command7", .container = kStrip, .page = kPage,
     .left = 8445, .top = 8790, .width = 1230, .height = 285, .caption = "Choose K2SE", .flags = Hidden},
};

}  // namespace

std::span<const ControlDesign> K2Page::Design() { return kDesign; }

}  // namespace tov

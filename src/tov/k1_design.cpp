// The load-rejection page (page 0 of tabCalculation1) as it stands when the
// main window is loaded. Its "<<Back" and "Next >>" belong to the factor flow.

#include <array>

#include "tov/k1_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using platform::kNoIndex;
using platform::kLightYellow;
using platform::kRed;
using platform::kBlue;
using platform::kSystemColor;
using platform::Hidden;
using platform::Locked;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kPage = "tabCalculation1";

// Three lines when the label's width breaks it: the heading, the system range,
// the unit range. The width must hold the longest line and no more than the
// blank runs allow, at every scale the window is drawn at.
constexpr const char* kTypicalValues =
    "Typical values                                                                       "
    "For  load  rejection  in  a  system 1,05<K1<1,15.                    "
    "For load rejection on generator-transformer unit 1,1<K1<1,5";

constexpr auto kDesign = std::to_array<ControlDesign>({
    // The three ways to K1.
    {.kind = Kind::Frame, .name = "fraK1", .container = kPage, .page = 0,
     .left = 180, .top = 720, .width = 14055, .height = 675},
    {.kind = Kind::OptionButton, .name = "optEnterK1", .container = "fraK1",
     .left = 1590, .top = 240, .width = 1185, .height = 255, .caption = "Enter"},
    {.kind = Kind::OptionButton, .name = "optCalculateK1", .container = "fraK1",
     .left = 6450, .top = 240, .width = 1185, .height = 255, .caption = "Calculate"},
    {.kind = Kind::OptionButton, .name = "optIgnoreK1", .container = "fraK1",
     .left = 11310, .top = 240, .width = 1185, .height = 255, .caption = "Ignore"},

    // What to enter. The entry frames are a little wider than those of the other
    // factor pages, for the typical values below; the calculation frames are
    // never shown with them.
    {.kind = Kind::Frame, .name = "fraEnterChoose1", .container = kPage, .page = 0,
     .left = 180, .top = 1440, .width = 4575, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "optFactorK1", .container = "fraEnterChoose1",
     .left = 420, .top = 240, .width = 1425, .height = 255, .caption = "Enter Factor"},
    {.kind = Kind::OptionButton, .name = "optUrpK1", .container = "fraEnterChoose1",
     .left = 2640, .top = 240, .width = 1185, .height = 255, .caption = "Enter Urp"},

    // Which case to calculate.
    {.kind = Kind::Frame, .name = "fraCalculateChoose1", .container = kPage, .page = 0,
     .left = 4710, .top = 1440, .width = 6195, .height = 675, .flags = Hidden},
    {.kind = Kind::OptionButton, .name = "optK11", .container = "fraCalculateChoose1",
     .left = 330, .top = 240, .width = 1725, .height = 255, .caption = "In a system K1.1"},
    {.kind = Kind::OptionButton, .name = "optK12", .container = "fraCalculateChoose1",
     .left = 2610, .top = 240, .width = 3315, .height = 255, .caption = "On generator-transformer unit K1.2"},

    // Entry: the factor, or the two Urp values.
    {.kind = Kind::Frame, .name = "fraEnterK1", .container = kPage, .page = 0,
     .left = 180, .top = 2190, .width = 4575, .height = 1785, .flags = Hidden},
    {.kind = Kind::Label, .name = "lblK1", .container = "fraEnterK1",
     .left = 90, .top = 360, .width = 1305, .height = 285, .caption = "Enter K1 value", .flags = Hidden},
    {.kind = Kind::TextBox, .name = "txtK1", .container = "fraEnterK1",
     .left = 1470, .top = 330, .width = 900, .height = 285, .flags = Hidden, .maxLength = 4},
    {.kind = Kind::Label, .name = "lblK1H", .container = "fraEnterK1",
     .left = 90, .top = 690, .width = 4440, .height = 975, .caption = kTypicalValues, .flags = Hidden,
     .foreColor = kRed},
    {.kind = Kind::Label, .name = "lblUrppea", .container = "fraEnterK1",
     .left = 90, .top = 330, .width = 1845, .height = 285, .caption = "Enter U    (p-e) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblrppea", .container = "fraEnterK1",
     .left = 675, .top = 390, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtEnterpe1", .container = "fraEnterK1",
     .left = 2070, .top = 330, .width = 900, .height = 285, .flags = Hidden, .maxLength = 6},
    {.kind = Kind::Label, .name = "lblKV", .index = 0, .container = "fraEnterK1",
     .left = 3090, .top = 330, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblUrpppa", .container = "fraEnterK1",
     .left = 90, .top = 750, .width = 1845, .height = 285, .caption = "Enter U    (p-p) value", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblrpppa", .container = "fraEnterK1",
     .left = 675, .top = 840, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtEnterpp1", .container = "fraEnterK1",
     .left = 2070, .top = 750, .width = 900, .height = 285, .flags = Hidden, .maxLength = 6},
    {.kind = Kind::Label, .name = "lblKV", .index = 1, .container = "fraEnterK1",
     .left = 3090, .top = 765, .width = 285, .height = 285, .caption = "kV", .flags = Hidden},
    {.kind = Kind::CommandButton, .name = "cmdEnterOK1", .container = "fraEnterK1",
     .left = 2490, .top = 330, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},

    // System data: the K1.1 set and the K1.2 set share the upper places.
    {.kind = Kind::Frame, .name = "fraCalculateK1", .container = kPage, .page = 0,
     .left = 4710, .top = 2190, .width = 6195, .height = 3165, .flags = Hidden},
    {.kind = Kind::Label, .name = "lblQL1", .container = "fraCalculateK1",
     .left = 240, .top = 270, .width = 2175, .height = 255, .caption = "Enter Q   value (kVar)", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblLQ1", .index = 2, .container = "fraCalculateK1",
     .left = 840, .top = 330, .width = 120, .height = 225, .caption = "L", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtQL1", .container = "fraCalculateK1",
     .left = 2490, .top = 240, .width = 900, .height = 285, .flags = Hidden, .maxLength = 7},
    {.kind = Kind::Label, .name = "lblPL1", .index = 2, .container = "fraCalculateK1",
     .left = 240, .top = 780, .width = 2175, .height = 255, .caption = "Enter P   value (kW)", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblLP1", .container = "fraCalculateK1",
     .left = 825, .top = 840, .width = 120, .height = 225, .caption = "L", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtPL1", .container = "fraCalculateK1",
     .left = 2490, .top = 750, .width = 900, .height = 285, .flags = Hidden, .maxLength = 7},
    {.kind = Kind::Label, .name = "lblSSC1", .container = "fraCalculateK1",
     .left = 240, .top = 1290, .width = 2175, .height = 255, .caption = "Enter S        value (MVA)", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblSC1", .container = "fraCalculateK1",
     .left = 885, .top = 1350, .width = 240, .height = 225, .caption = "SC", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtSSC1", .container = "fraCalculateK1",
     .left = 2490, .top = 1275, .width = 900, .height = 285, .flags = Hidden},
    {.kind = Kind::Label, .name = "lblXd1", .container = "fraCalculateK1",
     .left = 240, .top = 255, .width = 2175, .height = 255, .caption = "Enter Xd\" value in p.u.", .flags = Hidden},
    {.kind = Kind::TextBox, .name = "txtXd1", .container = "fraCalculateK1",
     .left = 2490, .top = 240, .width = 900, .height = 285, .flags = Hidden, .maxLength = 5},
    {.kind = Kind::Label, .name = "lblUk1", .container = "fraCalculateK1",
     .left = 240, .top = 765, .width = 2175, .height = 255, .caption = "Enter  u   value in p.u.", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label73", .container = "fraCalculateK1",
     .left = 855, .top = 825, .width = 120, .height = 225, .caption = "k", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtUk1", .container = "fraCalculateK1",
     .left = 2490, .top = 750, .width = 900, .height = 285, .flags = Hidden, .maxLength = 5},
    {.kind = Kind::Label, .name = "lblSG1", .container = "fraCalculateK1",
     .left = 240, .top = 1290, .width = 2175, .height = 255, .caption = "Enter S     value (MVA)", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblG1", .container = "fraCalculateK1",
     .left = 855, .top = 1350, .width = 150, .height = 225, .caption = "G", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtSG1", .container = "fraCalculateK1",
     .left = 2490, .top = 1275, .width = 900, .height = 285, .flags = Hidden, .maxLength = 7},
    {.kind = Kind::Label, .name = "lblSTr1", .container = "fraCalculateK1",
     .left = 240, .top = 1800, .width = 2175, .height = 255, .caption = "Enter S     value (MVA)", .flags = Hidden},
    {.kind = Kind::Label, .name = "lblTr1", .container = "fraCalculateK1",
     .left = 840, .top = 1860, .width = 210, .height = 225, .caption = "Tr", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtSTr1", .container = "fraCalculateK1",
     .left = 2490, .top = 1785, .width = 900, .height = 285, .flags = Hidden, .maxLength = 7},
    {.kind = Kind::Label, .name = "lblCos1", .container = "fraCalculateK1",
     .left = 240, .top = 2310, .width = 2175, .height = 255, .caption = "Enter cos\u03C6 value", .flags = Hidden},
    {.kind = Kind::TextBox, .name = "txtCos1", .container = "fraCalculateK1",
     .left = 2490, .top = 2295, .width = 900, .height = 285, .flags = Hidden, .maxLength = 5},
    {.kind = Kind::CommandButton, .name = "cmdCalculateOK1", .container = "fraCalculateK1",
     .left = 2490, .top = 2760, .width = 900, .height = 285, .caption = "OK", .flags = Hidden},
    // The page's help label; the help texts fill and place it on hover.
    {.kind = Kind::Label, .name = "Label3", .container = "fraCalculateK1",
     .left = 3450, .top = 255, .width = 2655, .height = 255, .flags = Hidden, .foreColor = kBlue},

    // The generator-transformer unit whose breaker opens.
    {.kind = Kind::Image, .name = "Image1", .container = kPage, .page = 0,
     .left = 135, .top = 5430, .width = 4245, .height = 1635, .caption = "k1_generator_transformer",
     .flags = Hidden},
    {.kind = Kind::Line, .name = "Line1", .index = 0, .container = kPage, .page = 0,
     .left = 120, .top = 7200, .width = 14160, .height = 0},

    // The results.
    {.kind = Kind::Label, .name = "Label12", .container = kPage, .page = 0,
     .left = 5550, .top = 7440, .width = 2025, .height = 255, .caption = "U     (phase to earth) :", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 2, .container = kPage, .page = 0,
     .left = 5715, .top = 7500, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtUrppe1", .container = kPage, .page = 0,
     .left = 7605, .top = 7425, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 6,
     .backColor = kLightYellow},
    {.kind = Kind::Label, .name = "Label13", .index = 0, .container = kPage, .page = 0,
     .left = 8565, .top = 7440, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label14", .container = kPage, .page = 0,
     .left = 5550, .top = 7920, .width = 2025, .height = 255, .caption = "U     (phase to phase) :", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label1", .index = 1, .container = kPage, .page = 0,
     .left = 5715, .top = 7980, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtUrppp1", .container = kPage, .page = 0,
     .left = 7605, .top = 7905, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 6,
     .backColor = kLightYellow},
    {.kind = Kind::Label, .name = "Label13", .index = 1, .container = kPage, .page = 0,
     .left = 8565, .top = 7920, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
});

}  // namespace

std::span<const platform::ControlDesign> K1Page::Design() { return kDesign; }

}  // namespace tov

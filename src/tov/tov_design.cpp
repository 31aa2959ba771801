// The temporary-overvoltage page as it stands when the main window is loaded.
// The factor strip tabCalculation1 lies over it and belongs to the frame's page tree.

#include <array>

#include "tov/tov_page.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using platform::kBlue;
using platform::kLightYellow;
using platform::Bold;
using platform::Disabled;
using platform::Hidden;
using platform::Locked;

constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kPage = "tabSubGeneral1";

constexpr const char* kNote =
    "The TOV values may be entered when the case is known, or calculated after the method of IEC 71-2.\n"
    "Optionally both applications may be run case a comparison is required. The higher values of TOV are "
    "considered for the rest analysis.";

constexpr auto kDesign = std::to_array<ControlDesign>({
    {.kind = Kind::Label, .name = "Label30", .index = 18, .container = kPage, .page = 0,
     .left = 120, .top = 420, .width = 13965, .height = 885, .caption = kNote, .foreColor = kBlue},
    {.kind = Kind::CommandButton, .name = "cmdEnterTOV", .container = kPage, .page = 0,
     .left = 4680, .top = 1380, .width = 2430, .height = 600, .caption = "ENTER", .flags = Bold, .fontSize = 12},
    {.kind = Kind::CommandButton, .name = "cmdCalculateTOV", .container = kPage, .page = 0,
     .left = 7350, .top = 1380, .width = 2430, .height = 600, .caption = "CALCULATE", .flags = Bold,
     .fontSize = 12},

    // The result display: shown and hidden as one.
    {.kind = Kind::Label, .name = "Label4", .index = 0, .container = kPage, .page = 0,
     .left = 5790, .top = 2430, .width = 2865, .height = 285, .caption = "Internal and external insulation",
     .flags = Hidden},
    {.kind = Kind::Label, .name = "Label5", .container = kPage, .page = 0,
     .left = 5430, .top = 2835, .width = 1965, .height = 255, .caption = "U      (phase to earth) :", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label7", .index = 0, .container = kPage, .page = 0,
     .left = 5626, .top = 2880, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtTOVpe", .container = kPage, .page = 0,
     .left = 7395, .top = 2820, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 6,
     .backColor = kLightYellow},
    {.kind = Kind::Label, .name = "Label8", .index = 0, .container = kPage, .page = 0,
     .left = 8325, .top = 2835, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label6", .container = kPage, .page = 0,
     .left = 5340, .top = 3315, .width = 2055, .height = 255, .caption = "U      (phase to phase) :", .flags = Hidden},
    {.kind = Kind::Label, .name = "Label7", .index = 1, .container = kPage, .page = 0,
     .left = 5530, .top = 3360, .width = 165, .height = 225, .caption = "rp", .flags = Hidden, .fontSize = kSubscript},
    {.kind = Kind::TextBox, .name = "txtTOVpp", .container = kPage, .page = 0,
     .left = 7395, .top = 3300, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 6,
     .backColor = kLightYellow},
    {.kind = Kind::Label, .name = "Label8", .index = 1, .container = kPage, .page = 0,
     .left = 8325, .top = 3315, .width = 255, .height = 255, .caption = "kV", .flags = Hidden},

    {.kind = Kind::CommandButton, .name = "Command21", .index = 0, .container = kPage, .page = 0,
     .left = 5670, .top = 5490, .width = 1485, .height = 405, .caption = "<< Back"},
    {.kind = Kind::CommandButton, .name = "Command21", .index = 1, .container = kPage, .page = 0,
     .left = 7380, .top = 5490, .width = 1485, .height = 405, .caption = "Next >>", .flags = Disabled},
});

}  // namespace

std::span<const platform::ControlDesign> TovPage::Design() { return kDesign; }

}  // namespace tov

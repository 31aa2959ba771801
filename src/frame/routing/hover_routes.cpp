// What a mouse move over a caption, an option or a frame of the arrays runs,
// per index: the help texts of the pages.

#include "frame/routing/route.hpp"

namespace program::routes {

namespace {

constexpr Route kLabel33[] = {
    // K2 line data; a subscript runs the help of its caption
    {0, nullptr, InlineAction::ShowK2FrequencyHelp},
    {1, "Label34_MouseMove"},
    {2, "Label35_MouseMove"},
    {3, "Label36_MouseMove"},
    {4, "Label39_MouseMove"},
    {5, "Label40_MouseMove"},
    {6, "Label31_MouseMove"},
    {7, "Label32_MouseMove"},
    {8, "ShowK2HelpShortCircuitPower"},
    {9, "Label42_MouseMove"},
    {10, "Label27_MouseMove"},
    {11, "Label28_MouseMove"},
    {12, "Label29_MouseMove"},
    {13, "ShowK2HelpReceivingEndCompensation"},
    {14, "Label43_MouseMove"},
    {15, "Label44_MouseMove"},
    {16, "Label37_MouseMove"},
    {17, "Label38_MouseMove"},
    // K3 data
    {18, "Label70_MouseMove"},
    {19, "Label62_MouseMove"},
    {20, "Label71_MouseMove"},
    {21, "Label60_MouseMove"},
    // K4 data: the subscripts show nothing
    {22, "ShowK4HelpTransformerRating"},
    {24, "ShowK4HelpShortCircuitPower"},
    {26, "ShowK4HelpCapacitiveLoad"},
    // combination data
    {34, "ShowCombinationHelpX0"},
    {35, "ShowCombinationHelpX1"},
    {36, "ShowCombinationHelpX0"},
    {37, "ShowCombinationHelpX1"},
};

constexpr Route kOption1[] = {
    {6, "ShowK2SimplifiedNote"},
    {8, "ShowK3ZeroResistanceNote"},
    {21, "ShowK4NormalCaseNote"},
    {22, "ShowK4TapChangerNote"},
};

// Every frame of the fast-front formula tabs and of the withstand tabs hides
// all their help labels.
constexpr Route kFrame30[] = {
    {0, nullptr, InlineAction::HideFastFrontHelp},  {1, nullptr, InlineAction::HideFastFrontHelp},
    {2, nullptr, InlineAction::HideFastFrontHelp},  {3, nullptr, InlineAction::HideFastFrontHelp},
    {4, nullptr, InlineAction::HideFastFrontHelp},  {5, nullptr, InlineAction::HideFastFrontHelp},
    {6, nullptr, InlineAction::HideFastFrontHelp},  {7, nullptr, InlineAction::HideFastFrontHelp},
    {8, nullptr, InlineAction::HideFastFrontHelp},  {9, nullptr, InlineAction::HideFastFrontHelp},
    {10, nullptr, InlineAction::HideFastFrontHelp}, {11, nullptr, InlineAction::HideFastFrontHelp},
    {12, nullptr, InlineAction::HideFastFrontHelp}, {13, nullptr, InlineAction::HideFastFrontHelp},
    {14, nullptr, InlineAction::HideFastFrontHelp},
};

}  // namespace

const RouteTable Label33MouseMove{kLabel33};
const RouteTable Option1MouseMove{kOption1};
const RouteTable Label41MouseMove{};
const RouteTable Frame30MouseMove{kFrame30};

}  // namespace program::routes

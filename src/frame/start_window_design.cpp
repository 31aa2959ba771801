// Form1, the start window.

#include <array>

#include "frame/window_designs.hpp"

namespace frame {

namespace {

using platform::Bold;
using platform::Centered;
using platform::ControlDesign;
using platform::Kind;

constexpr std::array kStartWindow{
    ControlDesign{.kind = Kind::Label, .name = "Label1", .index = 0,
                  .left = 360, .top = 720, .width = 13320, .height = 375,
                  .caption = "Insulation co-ordination after IEC 60071", .flags = Bold | Centered},
    ControlDesign{.kind = Kind::Label, .name = "Label1", .index = 1,
                  .left = 360, .top = 1200, .width = 13320, .height = 375,
                  .caption = "Calculator for three-phase AC systems", .flags = Centered},
    ControlDesign{.kind = Kind::Label, .name = "Label3",
                  .left = 360, .top = 1680, .width = 13320, .height = 375,
                  .caption = kVersionCredit, .flags = Centered},
    // Rules: two frame the title, one runs across the window under the credits.
    ControlDesign{.kind = Kind::Line, .name = "Line1", .index = 0,
                  .left = 4290, .top = 2760, .width = 5670, .height = 0},
    ControlDesign{.kind = Kind::Line, .name = "Line1", .index = 1,
                  .left = 4290, .top = 3150, .width = 5670, .height = 0},
    ControlDesign{.kind = Kind::Line, .name = "Line1", .index = 2,
                  .left = 360, .top = 2520, .width = 13320, .height = 0},
    ControlDesign{.kind = Kind::Label, .name = "Label2",
                  .left = 4290, .top = 2820, .width = 5655, .height = 405,
                  .caption = "INSULATION COORDINATION", .flags = Bold | Centered, .fontSize = 12},
    ControlDesign{.kind = Kind::Image, .name = "Image1",
                  .left = 4290, .top = 3240, .width = 5655, .height = 7065, .caption = "substation"},
    ControlDesign{.kind = Kind::CommandButton, .name = "Command1",
                  .left = 6315, .top = 10410, .width = 1605, .height = 465, .caption = "START", .flags = Bold},
};

}  // namespace

std::span<const ControlDesign> StartWindowDesign() { return kStartWindow; }

}  // namespace frame

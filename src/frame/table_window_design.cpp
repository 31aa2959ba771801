// Table, the picture window of the factor A that the fast-front pages open.
// The picture is stretched over its box, which starts 30 twips in from the
// left edge and runs 30 twips past the foot of the client area.

#include <array>

#include "frame/window_designs.hpp"

namespace frame {

namespace {

using platform::ControlDesign;
using platform::Kind;

constexpr std::array kTableWindow{
    ControlDesign{.kind = Kind::Image, .name = "Image1",
                  .left = 30, .top = 0, .width = kTableWindowWidth, .height = 6900,
                  .caption = "factor_a_table"},
};

}  // namespace

std::span<const ControlDesign> TableWindowDesign() { return kTableWindow; }

}  // namespace frame

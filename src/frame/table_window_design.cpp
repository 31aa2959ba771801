// Table, the picture window of the factor A that the fast-front pages open.

#include <array>

#include "frame/window_designs.hpp"

namespace frame {

namespace {

using platform::ControlDesign;
using platform::Kind;

constexpr std::array kTableWindow{
    ControlDesign{.kind = Kind::Image, .name = "Image1",
                  .left = 0, .top = 0, .width = kTableWindowWidth, .height = kTableWindowHeight,
                  .caption = "factor_a_table"},
};

}  // namespace

std::span<const ControlDesign> TableWindowDesign() { return kTableWindow; }

}  // namespace frame

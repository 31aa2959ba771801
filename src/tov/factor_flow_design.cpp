// The "<<Back" / "Next >>" pair at the foot of each factor page. Every
// "Next >>" starts disabled: its page enables it once its results stand.

#include <array>

#include "tov/factor_flow.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using platform::Disabled;

constexpr const char* kStrip = "tabCalculation1";

constexpr ControlDesign Button(const char* name, int page, int left, const char* caption, unsigned flags) {
  return {.kind = Kind::CommandButton, .name = name, .container = kStrip, .page = page,
          .left = left, .top = 8970, .width = 1485, .height = 405, .caption = caption, .flags = flags};
}

constexpr auto kDesign = std::to_array<ControlDesign>({
    Button("Command4", 0, 10920, "<<Back", 0),
    Button("Command3", 0, 12630, "Next >>", Disabled),
    Button("Command5", 1, 10920, "<<Back", 0),
    Button("Command2", 1, 12630, "Next >>", Disabled),
    Button("Command9", 2, 10950, "<<Back", 0),
    Button("Command10", 2, 12660, "Next >>", Disabled),
    Button("Command13", 3, 10920, "<<Back", 0),
    Button("Command14", 3, 12630, "Next >>", Disabled),
    Button("Command19", 4, 10950, "<<Back", 0),
    Button("Command18", 4, 12660, "Next >>", Disabled),
});

}  // namespace

std::span<const platform::ControlDesign> FactorFlow::Design() { return kDesign; }

}  // namespace tov

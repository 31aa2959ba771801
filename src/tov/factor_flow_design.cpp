// The "<<Back" / "Next >>" pair at the foot of each factor page. Every
// "Next >>" starts disabled: its page enables it once its results stand.

#include "frame/design_kit.hpp"
#include "tov/factor_flow.hpp"
#include "tov/factor_layout.hpp"

namespace tov {

namespace {

using frame::design::Button;
using frame::design::ControlDesign;
using layout::OnFactorPage;
using platform::kNoIndex;

constexpr frame::design::Rect AtFoot(int left) { return {left, 8970, 1485, 405}; }

constexpr ControlDesign kDesign[] = {
    Button(OnFactorPage(0), "Command4", kNoIndex, AtFoot(10920), "<<Back"),
    Button(OnFactorPage(0), "Command3", kNoIndex, AtFoot(12630), "Next >>").disabled(),
    Button(OnFactorPage(1), "Command5", kNoIndex, AtFoot(10920), "<<Back"),
    Button(OnFactorPage(1), "Command2", kNoIndex, AtFoot(12630), "Next >>").disabled(),
    Button(OnFactorPage(2), "Command9", kNoIndex, AtFoot(10950), "<<Back"),
    Button(OnFactorPage(2), "Command10", kNoIndex, AtFoot(12660), "Next >>").disabled(),
    Button(OnFactorPage(3), "Command13", kNoIndex, AtFoot(10920), "<<Back"),
    Button(OnFactorPage(3), "Command14", kNoIndex, AtFoot(12630), "Next >>").disabled(),
    Button(OnFactorPage(4), "Command19", kNoIndex, AtFoot(10950), "<<Back"),
    Button(OnFactorPage(4), "Command18", kNoIndex, AtFoot(12660), "Next >>").disabled(),
};

}  // namespace

std::span<const platform::ControlDesign> FactorFlow::Design() { return kDesign; }

}  // namespace tov

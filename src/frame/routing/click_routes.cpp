// What the page buttons and the option buttons of the main window run, per
// element index. Rows of pages that are not in the program yet come with those
// pages; an index without a row does nothing.

#include "frame/routing/route.hpp"

namespace program::routes {

namespace {

constexpr Route kCommand21[] = {
    {0, "RestartProgram"},  // "<< Back" of the temporary-overvoltage page
};

constexpr Route kCommand25[] = {
    {19, "RestartProgram"},  // results page
    {20, "ExitProgram"},
    {21, "PrintScreen"},
};

constexpr Route kCommand29[] = {
    {0, nullptr, InlineAction::HideFormulaStrip},  // "<<Back" of Formula I
};

constexpr Route kOption1[] = {
    // K2 page
    {0, nullptr, InlineAction::K2EnterMode},
    {1, "Option2_Click"},
    {2, "SelectK2Ignore"},
    {3, "SelectK2EnterFactor"},
    {4, "SelectK2EnterUrp"},
    {5, "SelectK2AnalyticalFormula"},
    {6, "SelectK2SimplifiedFormula"},
    // K3 page
    {7, "SelectK3EnterMode"},
    {8, "SelectK3CalculateMode"},
    {9, "SelectK3Ignore"},
    {10, "SelectK3EnterFactor"},
    {11, "SelectK3EnterUrp"},
    {12, "SelectK3SinglePhaseFault"},
    {13, "SelectK3TwoPhaseFault"},
    // K4 page
    {14, "SelectK4EnterMode"},
    {15, "SelectK4CalculateMode"},
    {16, "SelectK4Ignore"},
    {17, "SelectK4EnterFactor"},
    {18, "SelectK4EnterUrp"},
    {19, "SelectK4StepDownTransformers"},
    {20, "SelectK4StepUpTransformers"},
    {21, "SelectK4At12Pu"},
    {22, "SelectK4At15Pu"},
    // combination page
    {23, "SelectCombinationEnterMode"},
    {24, "SelectCombinationCalculateMode"},
    {25, "SelectCombinationIgnore"},
    {26, "SelectCombinationEnterFactor"},
    {27, "SelectCombinationEnterUrp"},
};

}  // namespace

const RouteTable Command21Click{kCommand21};
const RouteTable Command25Click{kCommand25};
const RouteTable Command28Click{};
const RouteTable Command29Click{kCommand29};
const RouteTable Option1Click{kOption1};

}  // namespace program::routes

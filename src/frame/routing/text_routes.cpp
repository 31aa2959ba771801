// What a change or a lost focus of a value box Text1(i) runs, per index.

#include "frame/routing/route.hpp"

namespace program::routes {

namespace {

constexpr Route kChange[] = {
    // K2 page
    {1, "Text4_Change"},
    {2, "Text3_Change"},
    {3, "Text2_Change"},
    {4, "ValidateK2Frequency"},
    {5, "ValidateK2LineLength"},
    {6, "ValidateK2Capacitance"},
    {7, "ValidateK2Voltage"},
    {8, "ValidateK2ChargingPower"},
    {9, "ValidateK2ShortCircuitPower"},
    {10, "ValidateK2CompensationSe"},
    {11, "ValidateK2CompensationRe"},
    {12, "ValidateK2LinePower"},
    {13, "ValidateK2Inductance"},
    {14, "Text6_Change"},
    {15, "Text5_Change"},
    // K3 page
    {18, "ValidateK3Factor"},
    {19, "ValidateK3UrpPe"},
    {20, "ValidateK3X0"},
    {21, "ValidateK3X1"},
    {22, "EnableK3NextOnUrpPe"},
    // K4 page
    {23, "ValidateK4Factor"},
    {24, "ValidateK4UrpPe"},
    {25, "ValidateK4UrpPp"},
    {26, "UpdateK4RatiosOnStrChange"},
    {27, "UpdateK4RatiosOnSscChange"},
    {28, "UpdateK4RatiosOnQlChange"},
    {29, "DecideK4FactorOnStrRatioChange"},
    {30, "DecideK4FactorOnQlRatioChange"},
    {31, "ValidateK4ResonanceFactor"},
    {32, "EnableK4NextOnUrpPe"},
    {33, "Text12_Change"},
    // combination page
    {34, "ValidateCombinationX0"},
    {35, "ValidateCombinationX1"},
    {36, "ValidateCombinationUrpPe"},
    {37, "ValidateCombinationUrpPp"},
    {38, "ValidateK13Factor"},
    {39, "EnableCombinationNextOnUrpPp"},
    {40, "EnableCombinationNextOnUrpPe"},
};

// The K2 line data recompute the charging power when the user leaves a box.
constexpr Route kLostFocus[] = {
    {4, "CalculateK2ChargingPowerF"},
    {5, "CalculateK2ChargingPowerL"},
    {6, "CalculateK2ChargingPowerC"},
    {7, "CalculateK2ChargingPowerU"},
};

}  // namespace

const RouteTable Text1Change{kChange};
const RouteTable Text1LostFocus{kLostFocus};

}  // namespace program::routes

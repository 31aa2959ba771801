#pragma once
// The value-store boxes Text1(0..40) of the temporary overvoltages, by name,
// and the page's two result boxes that the later stages read.

namespace tov {

enum Slot : int {
  TovAcceptedFlag = 0,
  K2Entered = 1,
  UrpK2PeEntered = 2,
  UrpK2PpEntered = 3,
  K2Frequency = 4,
  K2LineLength = 5,
  K2Capacitance = 6,
  K2ReceivingVoltage = 7,
  K2ChargingPower = 8,
  K2ShortCircuitPower = 9,
  K2CompensationSending = 10,
  K2CompensationReceiving = 11,
  K2LinePower = 12,
  K2Inductance = 13,
  UrpK2Pe = 14,
  UrpK2Pp = 15,
  UrpK2PeSending = 16,
  UrpK2PpSending = 17,
  K3Entered = 18,
  UrpK3PeEntered = 19,
  K3X0 = 20,
  K3X1 = 21,
  UrpK3Pe = 22,
  K4Entered = 23,
  UrpK4PeEntered = 24,
  UrpK4PpEntered = 25,
  K4TransformerPower = 26,
  K4ShortCircuitPower = 27,
  K4CapacitiveLoad = 28,
  K4PowerRatio = 29,
  K4LoadRatio = 30,
  K4Factor = 31,
  UrpK4Pe = 32,
  UrpK4Pp = 33,
  CombX0 = 34,
  CombX1 = 35,
  UrpCombPeEntered = 36,
  UrpCombPpEntered = 37,
  K13Entered = 38,
  UrpCombPp = 39,
  UrpCombPe = 40,
};

// The representative temporary overvoltages of the page, phase to earth and
// phase to phase, as the factor pages' close or an entry left them.
inline constexpr const char* kUrpTovPeBox = "txtTOVpe";
inline constexpr const char* kUrpTovPpBox = "txtTOVpp";

}  // namespace tov

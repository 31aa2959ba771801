#pragma once
// Variables of the main window that several stages share. Like every `m`
// variable they keep their values across a restart.

namespace frame {

struct MainVars {
  double mPuPerKv = 0;   // per unit of Um*sqrt(2)/sqrt(3), in kV
  double mUrpTovPe = 0;  // representative temporary overvoltage, phase to earth (kV)
  double mUrpTovPp = 0;  // representative temporary overvoltage, phase to phase (kV)
};

}  // namespace frame

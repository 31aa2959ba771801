#pragma once
// Variables of the main window that several stages share.

#include <string>

namespace frame {

struct MainVars {
  double mPuPerKv = 0;   // per unit of Um*sqrt(2)/sqrt(3), in kV
  // The texts of the representative temporary overvoltages (kV) as the
  // switching stage took them over; empty again after a restart.
  std::string mUrpTovPe;  // phase to earth
  std::string mUrpTovPp;  // phase to phase
};

}  // namespace frame

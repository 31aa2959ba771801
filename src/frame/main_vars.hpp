#pragma once
// Variables of the main window that several stages share. Loading the main
// window (a restart too) puts them back to these start values, so a run
// never uses a value of the one before.

#include <string>

namespace frame {

struct MainVars {
  double mPuPerKv = 0;    // per unit of Um*sqrt(2)/sqrt(3), in kV
  std::string mUrpTovPe;  // the temporary-overvoltage page's Urp phase to earth, as its box shows it (kV)
  std::string mUrpTovPp;  // the same, phase to phase
};

}  // namespace frame

#pragma once
// Variables of the main window that several stages share. Loading the main
// window (a restart too) puts them back to these start values, so a run
// never uses a value of the one before.

#include <string>

#include "frame/kept.hpp"

namespace frame {

struct MainVars {
  double mPuPerKv = 0;    // per unit of Um*sqrt(2)/sqrt(3), in kV
  // The temporary-overvoltage page's Urp phase to earth, as its box showed it
  // when the surge stage took it over (kV); the same phase to phase.
  Kept<std::string> mUrpTovPe{"mUrpTovPe"};
  Kept<std::string> mUrpTovPp{"mUrpTovPp"};
};

}  // namespace frame

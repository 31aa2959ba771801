#pragma once
// The shared module's data: it belongs to the process and outlives every
// reload of the main window.

#include <array>
#include <string>

#include "frame/kept.hpp"

namespace frame {

struct Module1 {
  short gRestartFlag = 0;  // -1: the next Main is a restart

  // Scratch of the number-text helpers (one thread; each helper writes its box last).
  std::string gNumText;
  int gNumLength = 0;
  std::string gNumResult;
  std::string gNumChar;
  std::array<std::string, 51> gNumChars;

  // The arrester's switching impulse protective level, written by the surge-arrester page.
  Kept<double> gUps{"gUps"};
};

}  // namespace frame

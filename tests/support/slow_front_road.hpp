#pragma once
// The road to the slow-front page that its tests and its benchmarks walk:
// Um = 420 kV, the temporary overvoltages entered as 363,73 kV phase to earth
// and 630 kV phase to phase, and an arrester with Ups = 740 kV accepted; then
// the Range II calculation that the later stages start from.

#include "support/driver.hpp"
#include "surge/slots.hpp"

namespace support {

inline void OpenSlowFrontPage420kV(Driver& d) {
  d.StartWithUm("420");
  d.headless.dialogs.queueAnswer("363,73");
  d.headless.dialogs.queueAnswer("630");
  d.click("cmdEnterTOV");
  d.click("Command21", 1);
  d.type(surge::ArresterUc, "300");
  d.type(surge::ArresterUr, "372");
  d.type(surge::ArresterSteepResidual, "950");
  d.type(surge::ArresterUpl, "906");
  d.type(surge::ArresterUps, "740");
  d.click("Command21", 3);
}

// From the slow-front page: CALCULATE, Ue2 2,2 pu, energization, D 6 m and
// Ht 12 m, accepted: Urp 740 and 1288,0 internal, 740 and 1327,0 external.
inline void CalculateSlowFrontRange2(Driver& d) {
  d.click("Command25", 1);
  d.click("Option1", 62);
  d.type(68, "2,2");
  d.click("Command21", 13);
  d.click("Command21", 12);
  d.click("Option1", 32);
  d.type(72, "6");
  d.type(73, "12");
  d.click("Command21", 14);
  d.click("Command21", 16);
}

}  // namespace support

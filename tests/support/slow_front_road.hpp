#pragma once
// The road to the slow-front page that its tests and its benchmark walk:
// Um = 420 kV, the temporary overvoltages entered as 363,73 kV phase to earth
// and 630 kV phase to phase, and an arrester with Ups = 740 kV accepted.

#include "support/driver.hpp"
#include "surge/arrester_slots.hpp"

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

}  // namespace support

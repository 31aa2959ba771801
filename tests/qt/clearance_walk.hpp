#pragma once
// The clearance lines of the page "Standard insulation level" in each of
// their looks, for the checks of the shown windows while the road of the
// scenarios does not reach the page yet: the page opened and the clearances
// chosen as the page's own controls lead to them, with the summary boxes of
// the required withstand voltages written as their stage writes them.

#include <functional>
#include <string>

#include "frame/routes.hpp"
#include "support/driver.hpp"

namespace clearance_walk {

using Look = std::function<void(const platform::Platform& platform, const std::string& state)>;

inline void Walk(const Look& look) {
  {
    support::Driver d;
    d.StartWithUm("420");
    for (auto [slot, text] : {std::pair{164, "800"}, {175, "820"}, {163, "1250"}, {152, "1300"}, {172, "1000"},
                              {166, "1000"}, {178, "980"}, {165, "1300"}, {176, "1360"}, {170, "1300"}})
      d.text1(slot).setText(text);
    d.program().routes.Run(frame::Command21Click, 31);
    d.c("SSTab1", 12).setTabEnabled(1, true);
    d.c("SSTab1", 12).setTab(1);
    d.click("Option1", 90);
    d.click("Option1", 91);
    look(d.platform, "phase to earth");
    d.click("Option1", 94);
    d.click("Option1", 96);
    look(d.platform, "phase to phase by the table");
    d.click("Option1", 93);
    d.click("Option1", 96);
    d.type(248, "6");
    d.type(247, "15");
    look(d.platform, "the entry of D and Ht");
    d.click("Command21", 35);
    look(d.platform, "phase to phase by the equations");
  }
  support::Driver d;
  d.StartWithUm("123");
  for (int slot : {142, 144, 169, 170, 171, 172, 181, 182, 183, 184, 185, 186, 187, 188}) d.text1(slot).setText("700");
  d.program().routes.Run(frame::Command21Click, 31);
  d.click("Option1", 85);
  d.click("Option1", 88);
  look(d.platform, "clearances up to 245 kV");
}

}  // namespace clearance_walk

// The boxes of the co-ordination slow-front tabs: how many characters each
// holds (four for ratios and factors, six for Ue2, R and Ucw) and which of
// them the user types into; a text written from code is cut to the box.

#include <gtest/gtest.h>

#include "support/driver.hpp"

namespace {

struct TabBox {
  int slot;
  int maxLength;
  bool typed;
};

constexpr TabBox kBoxes[] = {
    {107, 4, false}, {108, 4, false}, {109, 6, false}, {110, 6, true},  {111, 4, false}, {112, 6, false},
    {113, 6, false}, {114, 4, false}, {115, 4, false}, {116, 6, false}, {117, 4, false}, {118, 6, true},
    {119, 6, true},  {212, 4, true},  {213, 4, true},  {214, 6, true},  {215, 4, false}, {216, 4, false},
    {217, 4, true},  {218, 4, true},  {219, 4, false}, {220, 4, false},
};

TEST(SlowFrontTabBoxes, HoldTheirLengthsAndOnlyInputsAreTyped) {
  support::Driver d;
  d.Start();
  for (const TabBox& b : kBoxes) {
    platform::Control& box = d.text1(b.slot);
    EXPECT_EQ(box.maxLength(), b.maxLength) << b.slot;
    EXPECT_EQ(box.locked(), !b.typed) << b.slot;
    EXPECT_FALSE(box.visible()) << b.slot;
    box.setText("1,23456789");
    EXPECT_EQ(box.text(), b.maxLength == 4 ? "1,23" : "1,2345") << b.slot;
  }
}

}  // namespace

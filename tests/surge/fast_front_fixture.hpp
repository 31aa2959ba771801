#pragma once
// The headless program on the fast-front page: Um = 420 kV, the temporary
// overvoltages entered as 363.73 and 630, and page 3 of tabSubGeneral1 opened
// directly, since its way in lies beyond the surge arrester and slow-front pages.

#include <gtest/gtest.h>

#include <string>

#include "frame/page_rule.hpp"
#include "support/driver.hpp"
#include "surge/slots.hpp"

class FastFrontTest : public ::testing::Test, protected support::Driver {
 protected:
  void SetUp() override {
    StartWithUm("420");
    headless.dialogs.queueAnswer("363.73");
    headless.dialogs.queueAnswer("630");
    click("cmdEnterTOV");
    frame::OpenPage(c("tabSubGeneral1"), 3);
    ASSERT_TRUE(NoMoreMessages());
  }

  void Enter(const std::string& answer) {
    headless.dialogs.queueAnswer(answer);
    click("Command25", 3);
  }
  const std::string& Text(int slot) const { return text1(slot).text(); }
  // The enabled flags of the pages of an inner strip SSTab1(i).
  std::string InnerPages(int strip) const {
    std::string s;
    const platform::Control& inner = c("SSTab1", strip);
    for (int i = 0; i < inner.tabCount(); ++i) s += inner.tabEnabled(i) ? '1' : '0';
    return s;
  }

  static std::string BoxMessage() { return "Enter a valid value | " + support::Padded("Invalid value", 34); }
  static std::string GroupMessage() { return "Enter a valid value... | " + support::Padded("Invalid value", 33); }
};

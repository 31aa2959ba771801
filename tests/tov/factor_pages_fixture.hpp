#pragma once
// The headless program on one of the earth-fault, resonance and combination
// pages, reached with every earlier factor ignored. Um = 420 kV.

#include <gtest/gtest.h>

#include <string>

#include "support/driver.hpp"

class FactorPagesTest : public ::testing::Test, protected support::Driver {
 protected:
  platform::HeadlessPlatform& h = headless;
  platform::Platform& p = platform;
  program::Program& prog = program();

  // Opens page 1 (K2), 2 (K3), 3 (K4) or 4 (combination) of the factor strip.
  void OpenFactorPage(int page) {
    StartWithUm("420");
    click("cmdCalculateTOV");
    click("optIgnoreK1");
    click("Command3");
    const int ignoreOption[] = {0, 2, 9, 16};
    const char* next[] = {"Command3", "Command2", "Command10", "Command14"};
    for (int i = 1; i < page; ++i) {
      click("Option1", ignoreOption[i]);
      click(next[i]);
    }
    ASSERT_EQ(c("tabCalculation1").tab(), page);
    ASSERT_TRUE(h.dialogs.messages.empty());
  }

  static std::string BoxMessage() { return "Enter a valid value | Invalid value                     "; }
  static std::string GroupMessage() { return "Enter a valid value... | Invalid value                    "; }
};

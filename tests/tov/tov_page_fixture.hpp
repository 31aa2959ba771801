#pragma once
// The headless program past "START" with Um accepted, so the
// temporary-overvoltage page is open.

#include <gtest/gtest.h>

#include <string>

#include "support/driver.hpp"

class TovStageTest : public ::testing::Test, protected support::Driver {
 protected:
  platform::HeadlessPlatform& h = headless;
  platform::Platform& p = platform;
  program::Program& prog = program();
  frame::App& app = program().app;

  void StartWithUm(const std::string& um) {
    Driver::StartWithUm(um);
    ASSERT_EQ(messageCount(), 0u) << "Um " << um << " was refused";
  }
  void typeInto(const char* name, const std::string& text) { type(name, text); }
};

using support::Padded;

#pragma once
// The headless program from its start, with the frame's own controls at hand.

#include <gtest/gtest.h>

#include <string>

#include "support/driver.hpp"

class FrameTest : public ::testing::Test, protected support::Driver {
 protected:
  platform::HeadlessPlatform& h = headless;
  platform::Platform& p = platform;
  program::Program& prog = program();
  frame::App& app = program().app;

  // What a person does at the top of the main window.
  void TypeUm(const std::string& text) { type("txtUm", text); }
  void ClickOK() { click("cmdOKUm"); }
  void EnterUm(const std::string& text) {
    TypeUm(text);
    ClickOK();
  }
};

inline const std::string kInvalidUmTitle = "Invalid Um" + std::string(22, ' ');

#pragma once
// The headless program from its start, with the frame's own controls at hand.

#include <gtest/gtest.h>

#include <string>

#include "frame/routing/program.hpp"
#include "platform/scripted_services.hpp"

class FrameTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  platform::Platform& p = h.platform;
  program::Program prog{h.platform};
  frame::App& app = prog.app;

  // Main, then "START": the main window in its design state.
  void Start() {
    prog.Main();
    platform::Window* start = p.window("Form1");
    ASSERT_NE(start, nullptr);
    p.click(start->get("Command1"));
    ASSERT_NE(p.window("frmVarno"), nullptr);
  }

  platform::Window& main() { return app.main(); }
  platform::Control& c(const char* name, int index = platform::kNoIndex) { return main().get(name, index); }

  // What a person does at the top of the main window.
  void TypeUm(const std::string& text) { p.typeText(c("txtUm"), text); }
  void ClickOK() { p.click(c("cmdOKUm")); }
  void EnterUm(const std::string& text) {
    TypeUm(text);
    ClickOK();
  }

  std::size_t messageCount() const { return h.dialogs.messages.size(); }
  const platform::ShownBox& lastMessage() const { return h.dialogs.messages.back(); }
};

inline const std::string kInvalidUmTitle = "Invalid Um" + std::string(22, ' ');

#pragma once
// The headless program past "START" with Um accepted, so the
// temporary-overvoltage page is open, and short hands for what a person does there.

#include <gtest/gtest.h>

#include <string>

#include "frame/routing/program.hpp"
#include "platform/scripted_services.hpp"

class TovStageTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  platform::Platform& p = h.platform;
  program::Program prog{h.platform};
  frame::App& app = prog.app;

  void StartWithUm(const std::string& um) {
    prog.Main();
    platform::Window* start = p.window("Form1");
    ASSERT_NE(start, nullptr);
    p.click(start->get("Command1"));
    p.typeText(c("txtUm"), um);
    p.click(c("cmdOKUm"));
    ASSERT_EQ(h.dialogs.messages.size(), 0u) << "Um " << um << " was refused";
  }

  platform::Control& c(const char* name, int index = platform::kNoIndex) { return app.main().get(name, index); }
  platform::Control& text1(int index) { return app.text1(index); }

  void click(const char* name, int index = platform::kNoIndex) { p.click(c(name, index)); }
  void typeInto(const char* name, const std::string& text) { p.typeText(c(name), text); }

  std::string pages(const char* strip) {
    std::string s;
    for (int i = 0; i < c(strip).tabCount(); ++i) s += c(strip).tabEnabled(i) ? '1' : '0';
    return s;
  }

  std::size_t messageCount() const { return h.dialogs.messages.size(); }
  const platform::ShownBox& lastMessage() const { return h.dialogs.messages.back(); }
};

inline std::string Padded(const std::string& title, std::size_t length) {
  return title + std::string(length - title.size(), ' ');
}

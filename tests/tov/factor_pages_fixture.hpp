#pragma once
// The headless program on one of the earth-fault, resonance and combination
// pages, reached with every earlier factor ignored. Um = 420 kV.

#include <gtest/gtest.h>

#include <string>

#include "frame/routing/program.hpp"
#include "platform/scripted_services.hpp"

class FactorPagesTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  platform::Platform& p = h.platform;
  program::Program prog{h.platform};

  // Opens page 2 (K3), 3 (K4) or 4 (combination) of the factor strip.
  void OpenFactorPage(int page) {
    prog.Main();
    p.click(p.window("Form1")->get("Command1"));
    p.typeText(c("txtUm"), "420");
    p.click(c("cmdOKUm"));
    p.click(c("cmdCalculateTOV"));
    p.click(c("optIgnoreK1"));
    p.click(c("Command3"));
    const int ignoreOption[] = {0, 2, 9, 16};
    const char* next[] = {"Command3", "Command2", "Command10", "Command14"};
    for (int i = 1; i < page; ++i) {
      p.click(c("Option1", ignoreOption[i]));
      p.click(c(next[i]));
    }
    ASSERT_EQ(c("tabCalculation1").tab(), page);
    ASSERT_TRUE(h.dialogs.messages.empty());
  }

  platform::Control& c(const char* name, int index = platform::kNoIndex) { return prog.app.main().get(name, index); }
  platform::Control& text1(int index) { return prog.app.text1(index); }
  void click(const char* name, int index = platform::kNoIndex) { p.click(c(name, index)); }
  void set(int slot, const std::string& text) { p.setTextByUser(text1(slot), text); }

  // The oldest message not yet taken, as prompt and title.
  std::string TakeMessage() {
    if (taken_ >= h.dialogs.messages.size()) return "(no message)";
    const auto& m = h.dialogs.messages[taken_++];
    return m.prompt + " | " + m.title;
  }
  bool NoMoreMessages() const { return taken_ == h.dialogs.messages.size(); }

  static std::string BoxMessage() { return "Enter a valid value | Invalid value                     "; }
  static std::string GroupMessage() { return "Enter a valid value... | Invalid value                    "; }

 private:
  std::size_t taken_ = 0;
};

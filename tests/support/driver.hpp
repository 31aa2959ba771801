#pragma once
// The headless program as every test drives it: scripted message and input
// boxes, a test printer and clock, the whole program on them, and what a
// person does, by the names of the controls.

#include <memory>
#include <string>
#include <string_view>

#include "frame/program_copy.hpp"
#include "platform/scripted_services.hpp"
#include "program/program.hpp"

namespace support {

class Driver {
 public:
  Driver() : program_(std::make_unique<program::Program>(headless.platform)) {}

  platform::HeadlessPlatform headless;
  platform::Platform& platform = headless.platform;

  program::Program& program() const { return *program_; }
  frame::App& app() const { return program_->app; }

  // Main, then "START" of the start window: the main window in its design state.
  void Start() {
    program_->Main();
    platform.click(platform.window("Form1")->get("Command1"));
  }
  // Start, then Um typed and accepted with "OK".
  void StartWithUm(std::string_view um) {
    Start();
    type("txtUm", um);
    click("cmdOKUm");
  }

  platform::Window& main() const { return program_->app.main(); }
  platform::Control& c(std::string_view name, int index = platform::kNoIndex) const { return main().get(name, index); }
  platform::Control& text1(int index) const { return c("Text1", index); }

  void click(std::string_view name, int index = platform::kNoIndex) { platform.click(c(name, index)); }
  void type(std::string_view name, std::string_view text) { platform.typeText(c(name), text); }
  void type(int slot, std::string_view text) { platform.typeText(text1(slot), text); }
  void set(int slot, const std::string& text) { platform.setTextByUser(text1(slot), text); }
  void hover(std::string_view name, int index = platform::kNoIndex) { platform.mouseMove(c(name, index)); }

  // The enabled flags of a strip's pages, "1" enabled, "0" disabled.
  std::string pages(std::string_view strip) const {
    std::string s;
    for (int i = 0; i < c(strip).tabCount(); ++i) s += c(strip).tabEnabled(i) ? '1' : '0';
    return s;
  }
  // The flags of a strip, however many pages it has, with only PAGE enabled.
  static std::string OnlyPage(const platform::Control& strip, int page) {
    std::string s(static_cast<std::size_t>(strip.tabCount()), '0');
    s.at(static_cast<std::size_t>(page)) = '1';
    return s;
  }

  std::size_t messageCount() const { return headless.dialogs.messages.size(); }
  const platform::ShownBox& lastMessage() const { return headless.dialogs.messages.back(); }
  // The oldest message not yet taken, as "prompt | title".
  std::string TakeMessage() {
    if (taken_ >= headless.dialogs.messages.size()) return "(no message)";
    const auto& m = headless.dialogs.messages[taken_++];
    return m.prompt + " | " + m.title;
  }
  bool NoMoreMessages() const { return taken_ == headless.dialogs.messages.size(); }

 private:
  std::unique_ptr<program::Program> program_;
  std::size_t taken_ = 0;
};

// A fresh headless program, as the audit copies the one it watches.
class DriverCopy final : public frame::ProgramCopy {
 public:
  platform::HeadlessPlatform& Headless() override { return driver.headless; }
  frame::App& Program() override { return driver.app(); }
  void Main() override { driver.program().Main(); }
  Driver driver;
};
inline std::unique_ptr<frame::ProgramCopy> CopyProgram() { return std::make_unique<DriverCopy>(); }

// A title padded with blanks, as the message boxes show it.
inline std::string Padded(const std::string& title, std::size_t length) {
  return title + std::string(length > title.size() ? length - title.size() : 0, ' ');
}

}  // namespace support

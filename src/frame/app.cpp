#include "frame/app.hpp"

#include <stdexcept>

#include "frame/number_text.hpp"
#include "platform/numbers.hpp"

namespace frame {

std::string PaddedTitle(std::string_view title, std::size_t length) {
  std::string t(title);
  if (t.size() < length) t.append(length - t.size(), ' ');
  return t;
}

App::App(platform::Platform& p) : platform(p) { DefineWindows(); }

platform::Window& App::main() const {
  platform::Window* w = platform.window("frmVarno");
  if (w == nullptr) throw std::logic_error("the main window is not loaded");
  return *w;
}

platform::Control& App::control(std::string_view name, int index) const { return main().get(name, index); }
platform::Control& App::text1(int index) const { return main().get("Text1", index); }

void App::RaiseEvent(std::string_view name, int index, platform::EventType type) {
  if (platform::Control* c = main().find(name, index)) platform.raise(*c, type);
}

void App::InvalidValueBox() { platform.messageBox("Enter a valid value", PaddedTitle("Invalid value", 34)); }

void App::InvalidValueGroup() { platform.messageBox("Enter a valid value...", PaddedTitle("Invalid value", 33)); }

std::optional<double> App::ReadNumber(platform::Control& box) {
  if (!platform::IsNumeric(box.text())) return std::nullopt;
  ReplaceDotWithComma(module1, box);
  return platform::TextToNumber(box.text());
}

bool App::WriteNumber(platform::Control& box, double value) {
  const std::optional<std::string> text = platform::NumberTextForBox(value, box.maxLength());
  if (!text) return false;
  box.setText(*text);
  return true;
}

double App::Um() const { return platform::TextToNumber(control("txtUm").text()).value_or(0.0); }

bool App::IsRange1() const { return control("lblRange").caption() == "Range I"; }

}  // namespace frame

#include "frame/app.hpp"

#include <stdexcept>

namespace frame {

std::string PaddedTitle(std::string_view title, std::size_t length) {
  std::string t(title);
  if (t.size() < length) t.append(length - t.size(), ' ');
  return t;
}

App::App(platform::Platform& p) : platform(p) {}

platform::Window& App::main() const {
  platform::Window* w = platform.window("frmVarno");
  if (w == nullptr) throw std::logic_error("the main window is not loaded");
  return *w;
}

platform::Control& App::control(std::string_view name, int index) const { return main().get(name, index); }
platform::Control& App::text1(int index) const { return main().get("Text1", index); }

void App::InvalidValueBox() {}
void App::InvalidValueGroup() {}
std::optional<double> App::ReadNumber(platform::Control&) { return std::nullopt; }
bool App::WriteNumber(platform::Control&, double) { return false; }
void App::Main() {}
void App::Command1_Click() {}
void App::Form_Load(platform::Window&) {}
void App::RestartProgram() {}
void App::ExitProgram() {}
void App::PrintScreen() {}
void App::txtUm_Change() {}
void App::txtUm_KeyPress(int&) {}
void App::cmdOKUm_Click() {}
double App::Um() const { return 0; }
bool App::IsRange1() const { return false; }

}  // namespace frame

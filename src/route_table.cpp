// route-table: prints what every event of the main window's controls runs,
// one row a line: the array element's or named control's event procedure, the
// stage that declared it and where.
//
// route-table --last-indices: prints the last element of each control array
// of the built main window, Command28(32), where a new element takes the next
// index. The routing table cannot tell it: it lists only the elements that
// have a route, and a design row often computes its index.

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "platform/scripted_services.hpp"
#include "platform/window.hpp"
#include "program/program.hpp"

namespace {

void PrintLastIndices(const platform::Window& main, std::ostream& out) {
  std::map<std::string, int> last;
  for (const auto& control : main.controls())
    if (control->index() != platform::kNoIndex) {
      int& index = last.try_emplace(control->name(), control->index()).first->second;
      index = std::max(index, control->index());
    }
  for (const auto& [name, index] : last) out << name << "(" << index << ")\n";
}

}  // namespace

int main(int argc, char** argv) {
  platform::HeadlessPlatform headless;
  program::Program program(headless.platform);
  if (argc > 1 && std::string_view(argv[1]) == "--last-indices") {
    PrintLastIndices(headless.platform.load(program.app.mainWindowDefinition()), std::cout);
    return 0;
  }
  program.routes.Print(std::cout);
  return 0;
}

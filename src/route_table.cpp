// route-table: prints what every event of the main window's controls runs,
// one row a line: the array element's or named control's event procedure, the
// stage that declared it and where.

#include <iostream>

#include "platform/scripted_services.hpp"
#include "program/program.hpp"

int main() {
  platform::HeadlessPlatform headless;
  program::Program program(headless.platform);
  program.routes.Print(std::cout);
  return 0;
}

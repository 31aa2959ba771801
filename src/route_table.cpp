// route-table: prints what every element of the main window's control arrays
// runs, one row a line: the element, the stage that declared it and where.

#include <iostream>

#include "platform/scripted_services.hpp"
#include "program/program.hpp"

int main() {
  platform::HeadlessPlatform headless;
  program::Program program(headless.platform);
  program.routes.Print(std::cout);
  return 0;
}

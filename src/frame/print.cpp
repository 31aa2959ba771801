// "Print Screen" of the results page: the main window goes to the default
// printer in landscape, without the three buttons of the results page.

#include "frame/app.hpp"

namespace frame {

namespace {

using platform::MousePointer;
using platform::Orientation;

void ShowResultsButtons(platform::Window& w, bool visible) {
  for (int i = 19; i <= 21; ++i)
    if (platform::Control* b = w.find("Command25", i)) b->setVisible(visible);
}

}  // namespace

void App::PrintScreen() {
  platform::Window& w = main();
  ShowResultsButtons(w, false);

  platform::Printer* printer = platform.services().printer;
  platform.setMousePointer(MousePointer::Hourglass);
  // Every printer step may fail; the first failure ends the job. No printer
  // at all counts as a printer that is not ready.
  const bool printed = printer != nullptr && printer->setOrientation(Orientation::Landscape) &&
                       printer->printWindow(w) && printer->endDoc() &&
                       printer->setOrientation(Orientation::Portrait);
  if (!printed) {
    ShowResultsButtons(w, true);
    platform.setMousePointer(MousePointer::Default);
    platform.messageBox("printer not ready or printer error.Check printer and try again.", "print error");
    return;
  }
  platform.setMousePointer(MousePointer::Default);
  ShowResultsButtons(w, true);
}

}  // namespace frame

#pragma once
// A caption label beside an option button selects the option when it is
// clicked, its subscript label too. The option's own click runs first, as a
// click on the option would run it, then the option is selected; when it was
// not selected yet the selection runs its click once more. The option
// procedures only show, hide and clear, so the end state is that of one click.

#include <source_location>
#include <span>

namespace frame {

class App;
class Routes;

struct CaptionOption {
  int label;   // Label41(label)
  int option;  // Option1(option)
};

// One Label41_Click row per caption label.
void DeclareCaptionClicks(Routes& routes, App& app, std::span<const CaptionOption> rows,
                          std::source_location where = std::source_location::current());

void Label41_Click(App& app, int option);

}  // namespace frame

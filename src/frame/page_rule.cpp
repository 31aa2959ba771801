#include "frame/page_rule.hpp"

namespace frame {

void OpenPage(platform::Control& strip, int n) {
  for (int i = 0; i < strip.tabCount(); ++i) strip.setTabEnabled(i, i == n);
  strip.setTab(n);
}

}  // namespace frame

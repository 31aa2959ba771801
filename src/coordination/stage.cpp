#include "coordination/stage.hpp"

#include "coordination/fast_front_page.hpp"
#include "coordination/fast_front_tabs.hpp"
#include "coordination/slow_front_page.hpp"
#include "coordination/slow_front_tabs.hpp"
#include "coordination/tov_page.hpp"

namespace coordination {

Stage::Stage(frame::App& app) : frame::Stage("co-ordination withstand voltages") {
  AddPages<TovPage, SlowFrontPage, SlowFrontTabs, FastFrontPage, FastFrontTabs>(app);
}

}  // namespace coordination

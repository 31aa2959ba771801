#include "surge/stage.hpp"

#include "surge/arrester_page.hpp"
#include "surge/choose_urp_tab.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/formula_tabs.hpp"
#include "surge/slow_front_page.hpp"
#include "surge/slow_front_range_tabs.hpp"

namespace surge {

Stage::Stage(frame::App& app) : frame::Stage("switching and lightning overvoltages") {
  AddPage<ArresterPage>(app);
  SlowFrontPage& slowFront = AddPage<SlowFrontPage>(app);
  AddPage<SlowFrontRangeTabs>(app, slowFront);
  FastFrontPage& fastFront = AddPage<FastFrontPage>(app);
  AddPage<FormulaTabs>(app);
  AddPage<ChooseUrpTab>(app, fastFront);
}

}  // namespace surge

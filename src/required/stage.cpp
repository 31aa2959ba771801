#include "required/stage.hpp"

#include "required/conversion_page.hpp"
#include "required/conversion_tabs.hpp"
#include "required/fast_front_page.hpp"
#include "required/fast_front_tabs.hpp"
#include "required/slow_front_page.hpp"
#include "required/slow_front_tabs.hpp"
#include "required/tov_page.hpp"
#include "required/tov_tabs.hpp"

namespace required {

Stage::Stage(frame::App& app) {
  AddPage<TovPage>(app);
  AddPage<SlowFrontPage>(app);
  AddPage<FastFrontPage>(app);
  AddPage<ConversionPage>(app);
  AddPage<TovTabs>(app);
  AddPage<SlowFrontTabs>(app);
  AddPage<FastFrontTabs>(app);
  AddPage<ConversionTabs>(app);
}

}  // namespace required

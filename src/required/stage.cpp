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

Stage::Stage(frame::App& app) : frame::Stage("required withstand voltages") {
  AddPages<TovPage, SlowFrontPage, FastFrontPage, ConversionPage>(app);
  // The inner strips over them.
  AddPages<TovTabs, SlowFrontTabs, FastFrontTabs, ConversionTabs>(app);
}

}  // namespace required

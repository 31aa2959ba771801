#include "tov/stage.hpp"

#include "tov/combination_page.hpp"
#include "tov/factor_flow.hpp"
#include "tov/factor_help.hpp"
#include "tov/k1_page.hpp"
#include "tov/k2_page.hpp"
#include "tov/k3_page.hpp"
#include "tov/k4_page.hpp"
#include "tov/tov_page.hpp"

namespace tov {

Stage::Stage(frame::App& app) : frame::Stage("temporary overvoltages") {
  TovPage& page = AddPage<TovPage>(app);
  // The walk's close shows the result display of the page it returns to.
  AddPage<FactorFlow>(app, page);
  AddPages<K1Page, K2Page, K3Page, K4Page, CombinationPage>(app);
  // Last: the help answers the mouse-over of controls the factor pages create.
  AddPage<FactorHelp>(app);
}

}  // namespace tov

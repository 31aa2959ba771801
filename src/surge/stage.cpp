#include "surge/stage.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "surge/arrester_page.hpp"
#include "surge/slow_front_page.hpp"
#include "surge/slow_front_range_tabs.hpp"
#include "surge/choose_urp_tab.hpp"
#include "surge/fast_front_help.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/formula_tabs.hpp"

namespace surge {

Stage::Stage(frame::App& app)
    : app_(app),
      slowFront_(std::make_unique<SlowFrontPage>(app)),
      arrester_(std::make_unique<ArresterPage>(app)),
      rangeTabs_(std::make_unique<SlowFrontRangeTabs>(app, *slowFront_)),
      fastFront_(std::make_unique<FastFrontPage>(app)),
      formulaTabs_(std::make_unique<FormulaTabs>(app)),
      chooseUrp_(std::make_unique<ChooseUrpTab>(app, *fastFront_)),
      fastFrontHelp_(std::make_unique<FastFrontHelp>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  arrester_->Build(w);
  slowFront_->Build(w);
  rangeTabs_->Build(w);
  fastFront_->Build(w);
  formulaTabs_->Build(w);
  chooseUrp_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  arrester_->DeclareRoutes(routes);
  slowFront_->DeclareRoutes(routes);
  rangeTabs_->DeclareRoutes(routes);
  fastFront_->DeclareRoutes(routes);
  formulaTabs_->DeclareRoutes(routes);
  chooseUrp_->DeclareRoutes(routes);
  fastFrontHelp_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  return {ArresterPage::ValueStoreRows(), SlowFrontPage::ValueStoreRows(), SlowFrontRangeTabs::ValueStoreRows(),
          FastFrontPage::ValueStoreRows(), FormulaTabs::ValueStoreRows(), ChooseUrpTab::ValueStoreRows()};
}

std::vector<std::span<const frame::Dependency>> Stage::Dependencies() const {
  return {ArresterPage::Dependencies(),        SlowFrontPage::Dependencies(), SlowFrontRangeTabs::Dependencies(),
          SlowFrontRangeTabs::ExternalDependencies(), FormulaTabs::Dependencies(), ChooseUrpTab::Dependencies(),
          FastFrontPage::Dependencies()};
}

}  // namespace surge

#include "coordination/stage.hpp"

#include "coordination/coordination_factors.hpp"
#include "coordination/cw_fast_front_page.hpp"
#include "coordination/cw_fast_front_tabs.hpp"
#include "coordination/cw_slow_front_page.hpp"
#include "coordination/cw_slow_front_tabs.hpp"
#include "coordination/cw_tov_page.hpp"
#include "frame/routes.hpp"

namespace coordination {

Stage::Stage(frame::App& app)
    : factors_(std::make_unique<CoordinationFactors>(app)),
      slowFront_(std::make_unique<CwSlowFrontPage>(app)),
      slowFrontTabs_(std::make_unique<CwSlowFrontTabs>(app, *factors_)),
      tov_(std::make_unique<CwTovPage>(app)),
      fastFrontTabs_(std::make_unique<CwFastFrontTabs>(app)),
      fastFront_(std::make_unique<CwFastFrontPage>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  factors_->Reset();
  tov_->Build(w);
  slowFront_->Build(w);
  slowFrontTabs_->Build(w);
  fastFront_->Build(w);
  fastFrontTabs_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  tov_->DeclareRoutes(routes);
  slowFront_->DeclareRoutes(routes);
  slowFrontTabs_->DeclareRoutes(routes);
  fastFront_->DeclareRoutes(routes);
  fastFrontTabs_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  return {CwTovPage::ValueStoreRows(),       CwSlowFrontPage::ValueStoreRows(), CwSlowFrontTabs::ValueStoreRows(),
          CwFastFrontPage::ValueStoreRows(), CwFastFrontTabs::ValueStoreRows()};
}

std::vector<std::span<const frame::Dependency>> Stage::Dependencies() const {
  return {CwTovPage::Dependencies(), CwSlowFrontPage::Dependencies(), CwSlowFrontTabs::Dependencies(),
          CwFastFrontPage::Dependencies(), CwFastFrontTabs::Dependencies()};
}

}  // namespace coordination

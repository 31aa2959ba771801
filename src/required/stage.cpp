#include "required/stage.hpp"

#include "frame/routes.hpp"
#include "required/conversion_tabs.hpp"
#include "required/direct_entry.hpp"
#include "required/fast_front_tabs.hpp"
#include "required/summary_page.hpp"
#include "required/slow_front_tabs.hpp"
#include "required/tov_tabs.hpp"

namespace required {

Stage::Stage(frame::App& app)
    : flow_(std::make_unique<RwPageFlow>(app)), entry_(std::make_unique<RwDirectEntry>(app, *flow_)),
      tovTabs_(std::make_unique<RwTovTabs>(app, *flow_)),
      slowFrontTabs_(std::make_unique<RwSlowFrontTabs>(app, *flow_)),
      fastFrontTabs_(std::make_unique<RwFastFrontTabs>(app, *flow_)),
      conversions_(std::make_unique<KtConversions>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  flow_->Build(w);
  tovTabs_->Build(w);
  slowFrontTabs_->Build(w);
  fastFrontTabs_->Build(w);
  conversions_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  flow_->DeclareRoutes(routes);
  entry_->DeclareRoutes(routes);
  tovTabs_->DeclareRoutes(routes);
  slowFrontTabs_->DeclareRoutes(routes);
  fastFrontTabs_->DeclareRoutes(routes);
  conversions_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  std::vector<std::span<const platform::ControlDesign>> rows = RwPageFlow::ValueStoreRows();
  rows.push_back(RwTovTabs::ValueStoreRows());
  rows.push_back(RwSlowFrontTabs::ValueStoreRows());
  rows.push_back(RwFastFrontTabs::ValueStoreRows());
  rows.push_back(KtConversions::ValueStoreRows());
  return rows;
}

std::vector<std::span<const frame::Dependency>> Stage::Dependencies() const {
  return {RwTovTabs::Dependencies(),       RwTovPageDesign().accepted,
          RwSlowFrontTabs::Dependencies(), RwSlowFrontPageDesign().accepted,
          RwFastFrontTabs::Dependencies(), RwFastFrontPageDesign().accepted,
          KtConversionDependencies(),      RwConversionPageDesign().accepted};
}

}  // namespace required

#include "required/stage.hpp"

#include "frame/routes.hpp"
#include "required/conversion_kt.hpp"
#include "required/rw_direct_entry.hpp"
#include "required/rw_page_flow.hpp"

namespace required {

Stage::Stage(frame::App& app)
    : flow_(std::make_unique<RwPageFlow>(app)), entry_(std::make_unique<RwDirectEntry>(app, *flow_)),
      conversions_(std::make_unique<KtConversions>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  flow_->Build(w);
  conversions_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  using enum frame::ArrayEvent;
  flow_->DeclareRoutes(routes);
  entry_->DeclareRoutes(routes);
  conversions_->DeclareRoutes(routes);
  routes.on(Command25Click, 11, [this] { flow_->OpenStrip(RwTovStrip()); });
  routes.on(Command25Click, 14, [this] { flow_->OpenStrip(RwSlowFrontStrip()); });
  routes.on(Command25Click, 15, [this] { flow_->OpenStrip(RwFastFrontStrip()); });
  // The strip opens without results converted from required withstand voltages that have changed since.
  routes.on(Command25Click, 18, [this] {
    conversions_->WithdrawIfStale();
    flow_->OpenConversionTabs();
  });
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  std::vector<std::span<const platform::ControlDesign>> rows = RwPageFlow::ValueStoreRows();
  rows.push_back(KtConversions::ValueStoreRows());
  return rows;
}

}  // namespace required

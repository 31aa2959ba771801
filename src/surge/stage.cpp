#include "surge/stage.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "surge/arrester_page.hpp"
#include "surge/slow_front_page.hpp"
#include "surge/slow_front_range_tabs.hpp"

namespace surge {

Stage::Stage(frame::App& app)
    : app_(app),
      slowFront_(std::make_unique<SlowFrontPage>(app)),
      arrester_(std::make_unique<ArresterPage>(app, *slowFront_)),
      rangeTabs_(std::make_unique<SlowFrontRangeTabs>(app, *slowFront_)) {
  slowFront_->AttachRangeTabs(*rangeTabs_);
}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  arrester_->Build(w);
  slowFront_->Build(w);
  rangeTabs_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  arrester_->DeclareRoutes(routes);
  slowFront_->DeclareRoutes(routes);
  rangeTabs_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  return {ArresterPage::ValueStoreRows(), SlowFrontPage::ValueStoreRows(), SlowFrontRangeTabs::ValueStoreRows()};
}

}  // namespace surge

#include "surge/stage.hpp"

#include "frame/app.hpp"
#include "frame/routes.hpp"
#include "surge/choose_urp_tab.hpp"
#include "surge/fast_front_help.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/formula_tabs.hpp"

namespace surge {

Stage::Stage(frame::App& app)
    : app_(app),
      fastFront_(std::make_unique<FastFrontPage>(app)),
      formulaTabs_(std::make_unique<FormulaTabs>(app)),
      chooseUrp_(std::make_unique<ChooseUrpTab>(app, *fastFront_)),
      fastFrontHelp_(std::make_unique<FastFrontHelp>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  fastFront_->Build(w);
  formulaTabs_->Build(w);
  chooseUrp_->Build(w);
}

void Stage::DeclareRoutes(frame::Routes& routes) {
  fastFront_->DeclareRoutes(routes);
  formulaTabs_->DeclareRoutes(routes);
  chooseUrp_->DeclareRoutes(routes);
  fastFrontHelp_->DeclareRoutes(routes);
}

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const {
  return {FastFrontPage::ValueStoreRows(), FormulaTabs::ValueStoreRows(), ChooseUrpTab::ValueStoreRows()};
}

}  // namespace surge

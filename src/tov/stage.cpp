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

Stage::Stage(frame::App& app)
    : page_(std::make_unique<TovPage>(app)),
      flow_(std::make_unique<FactorFlow>(app, *page_)),
      k1_(std::make_unique<K1Page>(app)),
      k2_(std::make_unique<K2Page>(app)),
      k3_(std::make_unique<K3Page>(app)),
      k4_(std::make_unique<K4Page>(app)),
      combination_(std::make_unique<CombinationPage>(app)),
      help_(std::make_unique<FactorHelp>(app)) {}

Stage::~Stage() = default;

void Stage::Build(platform::Window& w) {
  page_->Build(w);
  flow_->Build(w);
  k1_->Build(w);
  k2_->Build(w);
  k3_->Build(w);
  k4_->Build(w);
  combination_->Build(w);
  help_->Build(w);
}

}  // namespace tov

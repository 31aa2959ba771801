#pragma once
// The switching and lightning overvoltage stage: the surge arrester page, the
// slow-front page with its Range I and Range II tabs, and the fast-front page
// with its formula tabs (pages 1 to 3 of tabSubGeneral1).

#include <memory>

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace surge {

class ArresterPage;
class SlowFrontPage;
class SlowFrontRangeTabs;
class FastFrontPage;
class FormulaTabs;
class ChooseUrpTab;
class FastFrontHelp;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  ~Stage() override;
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  const char* Name() const override { return "switching and lightning overvoltages"; }
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override;
  std::vector<std::span<const frame::Dependency>> Dependencies() const override;

  SlowFrontRangeTabs& rangeTabs() const { return *rangeTabs_; }

 private:
  frame::App& app_;
  std::unique_ptr<SlowFrontPage> slowFront_;
  std::unique_ptr<ArresterPage> arrester_;
  std::unique_ptr<SlowFrontRangeTabs> rangeTabs_;
  std::unique_ptr<FastFrontPage> fastFront_;
  std::unique_ptr<FormulaTabs> formulaTabs_;
  std::unique_ptr<ChooseUrpTab> chooseUrp_;
  std::unique_ptr<FastFrontHelp> fastFrontHelp_;
};

}  // namespace surge

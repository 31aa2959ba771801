#pragma once
// The co-ordination withstand stage: the temporary-overvoltage, slow-front and
// fast-front pages of tabGeneral page 1 (the strip SSTab1(3)) with their tabs,
// and the co-ordination factors the slow-front tabs share.

#include <memory>

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace coordination {

class CoordinationFactors;
class CwFastFrontPage;
class CwFastFrontTabs;
class CwSlowFrontPage;
class CwSlowFrontTabs;
class CwTovPage;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  ~Stage() override;
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  const char* Name() const override { return "co-ordination withstand voltages"; }
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override;
  std::vector<std::span<const frame::Dependency>> Dependencies() const override;

  // The factors and the run's per-unit Ue2 that the slow-front tabs share.
  CoordinationFactors& factors() const { return *factors_; }

 private:
  std::unique_ptr<CoordinationFactors> factors_;
  std::unique_ptr<CwSlowFrontPage> slowFront_;
  std::unique_ptr<CwSlowFrontTabs> slowFrontTabs_;
  std::unique_ptr<CwTovPage> tov_;
  std::unique_ptr<CwFastFrontTabs> fastFrontTabs_;
  std::unique_ptr<CwFastFrontPage> fastFront_;
};

}  // namespace coordination

#pragma once
// The required-withstand stage: the temporary-overvoltage, slow-front,
// fast-front and conversion pages of tabGeneral page 2 (the strip SSTab1(6))
// with their inner strips.

#include <memory>

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace required {

class KtConversions;
class RwDirectEntry;
class RwFastFrontTabs;
class RwPageFlow;
class RwSlowFrontTabs;
class RwTovTabs;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  ~Stage() override;
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  const char* Name() const override { return "required withstand voltages"; }
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override;
  std::vector<std::span<const frame::Dependency>> Dependencies() const override;

 private:
  std::unique_ptr<RwPageFlow> flow_;
  std::unique_ptr<RwDirectEntry> entry_;
  std::unique_ptr<RwTovTabs> tovTabs_;
  std::unique_ptr<RwSlowFrontTabs> slowFrontTabs_;
  std::unique_ptr<RwFastFrontTabs> fastFrontTabs_;
  std::unique_ptr<KtConversions> conversions_;
};

}  // namespace required

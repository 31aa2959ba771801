#pragma once
// The co-ordination withstand stage: the temporary-overvoltage, slow-front and
// fast-front pages of tabGeneral page 1 (the strip SSTab1(3)) with their tabs.

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace coordination {

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

 private:
  frame::App& app_;
};

}  // namespace coordination

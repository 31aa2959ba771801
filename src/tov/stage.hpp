#pragma once
// The temporary-overvoltage stage: the page of tabSubGeneral1 page 0 and the
// five factor pages of tabCalculation1.

#include <memory>

#include "frame/stage.hpp"

namespace frame {
class App;
}

namespace tov {

class TovPage;
class FactorFlow;
class K1Page;
class K2Page;
class K3Page;
class K4Page;
class CombinationPage;
class FactorHelp;

class Stage final : public frame::Stage {
 public:
  explicit Stage(frame::App& app);
  ~Stage() override;
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  const char* Name() const override { return "temporary overvoltages"; }
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  // The value-store rows 0 to 40.
  std::vector<std::span<const platform::ControlDesign>> ValueStoreRows() const override;

  TovPage& page() const { return *page_; }
  FactorFlow& flow() const { return *flow_; }
  K1Page& k1() const { return *k1_; }
  K2Page& k2() const { return *k2_; }
  K3Page& k3() const { return *k3_; }
  K4Page& k4() const { return *k4_; }
  CombinationPage& combination() const { return *combination_; }

 private:
  std::unique_ptr<TovPage> page_;
  std::unique_ptr<FactorFlow> flow_;
  std::unique_ptr<K1Page> k1_;
  std::unique_ptr<K2Page> k2_;
  std::unique_ptr<K3Page> k3_;
  std::unique_ptr<K4Page> k4_;
  std::unique_ptr<CombinationPage> combination_;
  std::unique_ptr<FactorHelp> help_;
};

}  // namespace tov

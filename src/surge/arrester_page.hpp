#pragma once
// The surge arrester page (page 1 of tabSubGeneral1): the minimum continuous
// operating and rated voltages that follow from Um and the temporary
// overvoltages, the data of the selected arrester, and its acceptance, which
// publishes the switching impulse protective level gUps.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace surge {

class ArresterPage final : public frame::Page {
 public:
  explicit ArresterPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

  void OpenSurgeArresterPage();  // "Next >>" of the temporary-overvoltage page
  // ValidateArresterUr, ValidateArresterUc, ValidateArresterSteepResidual,
  // ValidateArresterUpl and ValidateArresterUps (Text1(44) to (48)): the box's
  // numeric test, then "Next >>" follows the five required boxes.
  void ValidateArresterRequired(int slot);
  // ValidateArresterDischargeClass and ValidateArresterEnergy (Text1(49), (50)):
  // the numeric test only.
  void ValidateArresterOptional(int slot);
  void cmdBackSurge();
  void cmdNextSurge();
  void NormalizeArresterDecimals();

 private:
  static std::span<const platform::ControlDesign> Design();

  frame::App& app_;
};

}  // namespace surge

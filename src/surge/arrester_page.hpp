#pragma once
// The surge arrester page (page 1 of tabSubGeneral1): the minimum continuous
// operating and rated voltages that follow from Um and the temporary
// overvoltages, the data of the selected arrester, and its acceptance, which
// publishes the switching impulse protective level gUps.

#include <span>

#include "frame/dependencies.hpp"
#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace surge {

class ArresterPage {
 public:
  explicit ArresterPage(frame::App& app) : app_(app) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

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
  frame::App& app_;
};

}  // namespace surge

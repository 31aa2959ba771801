#pragma once
// The surge arrester page (page 1 of tabSubGeneral1): the minimum continuous
// operating and rated voltages that follow from Um and the temporary
// overvoltages, the data of the selected arrester, and its acceptance, which
// publishes the switching impulse protective level gUps.

#include <span>
#include <string>

#include "platform/design.hpp"

namespace frame {
class App;
class Routes;
}  // namespace frame

namespace platform {
class Window;
}

namespace surge {

class SlowFrontPage;

class ArresterPage {
 public:
  ArresterPage(frame::App& app, SlowFrontPage& slowFront) : app_(app), slowFront_(slowFront) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();

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
  // The acceptance no longer stands: the Ups copies and the slow-front
  // results calculated from them are cleared until the arrester is accepted
  // and calculated with again.
  void WithdrawAcceptance();

  frame::App& app_;
  SlowFrontPage& slowFront_;

  // The minimum rated voltage (the temporary overvoltage phase to earth, as
  // its box showed it) that the standing arrester was accepted against; empty
  // while no arrester of this run stands.
  std::string mAcceptedUrMin;
};

}  // namespace surge

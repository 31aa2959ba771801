#pragma once
// The last tab of the formula strip, "Choose Urp value": the results of the
// three formulas and the entered value side by side; the accepted one becomes
// the fast-front Urp of the page, phase to earth and phase to phase alike.

#include <span>

#include "frame/app.hpp"
#include "frame/dependencies.hpp"
#include "platform/design.hpp"
#include "platform/window.hpp"

namespace frame {
class Routes;
}

namespace surge {

class FastFrontPage;

class ChooseUrpTab {
 public:
  ChooseUrpTab(frame::App& app, FastFrontPage& page) : app_(app), page_(page) {}
  void Build(platform::Window& w);
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const platform::ControlDesign> Design();
  static std::span<const platform::ControlDesign> ValueStoreRows();
  static std::span<const frame::Dependency> Dependencies();

  // "Next >>" of Formula III: the tab opens with every candidate refreshed.
  void OpenChooseUrpTab();
  // The four "Accept" buttons, 0 to 3 from the left: ChooseFormula1Urp,
  // ChooseFormula2Urp, ChooseFormula3Urp, ChooseEnteredUrp.
  void Choose(int column);
  void EnableChooseUrpNext();
  void BackToFormula3Tab();
  // "Next >>": the chosen text becomes the page's Urp.
  void AcceptChosenFastFrontUrp();

 private:
  frame::App& app_;
  FastFrontPage& page_;
};

}  // namespace surge

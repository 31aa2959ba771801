#pragma once
// The last tab of the formula strip, "Choose Urp value": the results of the
// three formulas and the entered value side by side; the accepted one becomes
// the fast-front Urp of the page, phase to earth and phase to phase alike.

#include "frame/page.hpp"

namespace frame {
class App;
}

namespace surge {

class FastFrontPage;

class ChooseUrpTab final : public frame::Page {
 public:
  ChooseUrpTab(frame::App& app, FastFrontPage& page) : app_(app), page_(page) {}
  void Build(platform::Window& w) override;
  void DeclareRoutes(frame::Routes& routes) override;
  std::span<const platform::ControlDesign> ValueStoreRows() const override;
  std::span<const frame::Dependency> Dependencies() const override;

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
  static std::span<const platform::ControlDesign> Design();

  frame::App& app_;
  FastFrontPage& page_;
};

}  // namespace surge

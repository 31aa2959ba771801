#pragma once
// The help texts of the factor pages: moving the mouse over a field caption
// puts the field's explanation into the page's help label, level with the
// caption; moving over the frame's own surface hides it. Some options show a
// short note the same way.

#include <span>

#include "frame/help_text.hpp"
#include "frame/page.hpp"

namespace tov {

// Laid over the five factor pages, it creates no control of its own and
// answers the events of theirs.
class FactorHelp final : public frame::Page {
 public:
  explicit FactorHelp(frame::App& app) : app_(app) {}
  void Build(platform::Window&) override {}
  // The mouse-over of the captions, of the options with a note and of the
  // frames that hide the help.
  void DeclareRoutes(frame::Routes& routes) override;

  // Every help text of the five factor pages, K1 to Combination.
  static std::span<const frame::HelpText> Texts();

 private:
  frame::App& app_;
};

}  // namespace tov

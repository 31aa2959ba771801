#pragma once
// The help of the formula tabs' field captions: a mouse move over a caption
// puts its explanation into the tab's help label Label85 beside the boxes,
// centred on the caption's line; a mouse move over any Frame30 hides every
// help label of those frames.

#include <span>

#include "frame/help_text.hpp"

namespace frame {
class Routes;
}

namespace surge {

class FastFrontHelp {
 public:
  explicit FastFrontHelp(frame::App& app) : app_(app) {}
  void DeclareRoutes(frame::Routes& routes);

  static std::span<const frame::HelpText> Texts();
  // Hides Label85(0) to Label85(7), those that the window holds.
  void HideHelp();

 private:
  frame::App& app_;
};

}  // namespace surge

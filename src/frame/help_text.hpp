#pragma once
// Help on hover: moving the mouse over a field caption puts the field's
// explanation into the page's help label, level with the caption, and shows
// it; moving over the surrounding frame hides the label again. Every page
// keeps its help texts as rows of this kind.

#include "frame/app.hpp"
#include "frame/page_kit.hpp"

namespace frame {

struct HelpText {
  ControlRef hovered;  // the caption or subscript the mouse moves over
  ControlRef label;    // the page's help label
  ControlRef anchor;   // the caption the text is placed level with
  const char* text;
  int raise;           // how far the label's top lies above the anchor's (twips)
  int height;          // the label's new height; kKeepHeight leaves it as it is
};

inline constexpr int kKeepHeight = 0;

void ShowHelpText(App& app, const HelpText& help);

}  // namespace frame

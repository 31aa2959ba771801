#pragma once
// The layout the three pages of the strip SSTab1(3) share: a blue
// introduction at the top, "ENTER" and "CALCULATE" side by side below it, the
// page's Ucw values in lines that stay hidden until the page holds a value,
// and "<< Back" and "Next >>" at the foot. Each value line is a caption with
// blanks where its "cw" goes, the Ucw box 2520 twips right of the caption and
// "kV" beyond the box.

#include <array>

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"

namespace coordination::layout {

namespace kit = frame::design;

constexpr kit::Place OnPage(int page) { return kit::TabPage("SSTab1", 3, page); }

constexpr int kBoxOffset = 2520, kUnitOffset = 3480;  // from the caption's left

// A label of the values' display: a heading, a caption, a unit or a formula.
constexpr kit::Row ValueLabel(int page, int index, kit::Rect r, const char* caption) {
  return kit::Label(OnPage(page), "Label4", index, r, caption).hidden();
}

// A subscript of the values' display, set a little below its caption's top.
constexpr kit::Row ValueSubscript(int page, int index, int left, int captionTop, const char* caption) {
  return kit::Subscript(OnPage(page), "Label4", index, {left, captionTop + 45, 195, 225}, caption).hidden();
}

// The labels of one value line by index: its caption, the "cw" and the unit.
struct LineLabels {
  int caption, subscript, unit;
};

// "Ucw value (...)" at `left`, its "cw" `subscriptOffset` into the caption's blanks, "kV" beyond the box.
constexpr std::array<platform::ControlDesign, 3> UcwLine(int page, LineLabels labels, int left, int top,
                                                         int subscriptOffset, const char* caption) {
  return {ValueLabel(page, labels.caption, {left, top, 2460, 255}, caption),
          ValueSubscript(page, labels.subscript, left + subscriptOffset, top, "cw"),
          ValueLabel(page, labels.unit, {left + kUnitOffset, top, 285, 255}, "kV")};
}

// The Ucw box of a value line: locked, hidden with its line, six characters,
// a little above the caption so that their texts are level.
constexpr kit::Row UcwBox(int page, int slot, int captionLeft, int captionTop) {
  return kit::Box(OnPage(page), slot, {captionLeft + kBoxOffset, captionTop - 30, 900, 285})
      .hidden()
      .length(6)
      .readOnly();
}

}  // namespace coordination::layout

#pragma once
// The words of the standard-insulation-level page's layout, built from the
// frame's design kit: a locked level box, the red "Special test is required",
// and the sizes and captions its lines share in both layouts.

#include "frame/design_kit.hpp"

namespace insulation_level {

// The page "Standard insulation level", on which both layouts and their buttons stand.
inline constexpr frame::design::Place kStandardLevelTab =
    frame::design::TabPage("tabGeneral", platform::kNoIndex, 3);

// A line of the page: a caption or a "kV", and the box beside them.
inline constexpr int kLineHeight = 255, kUnitWidth = 375;
inline constexpr int kBoxWidth = 1095, kBoxHeight = 285;
inline constexpr int kButtonWidth = 1335, kButtonHeight = 405;

inline constexpr const char* kLiwCaption = "Lightning impulse withstand voltage";
inline constexpr const char* kSelectUrw = "Selection of insulation level according to Urw";
inline constexpr const char* kSelectWithClearances =
    "Selection of insulation level according to Urw and minimum air clearances";

// A locked display box of a level or clearance, eight characters, standing
// on the line whose captions start at lineTop.
constexpr frame::design::Row LevelBox(frame::design::Place p, int slot, int left, int lineTop) {
  return frame::design::Box(p, slot, {left, lineTop - 30, kBoxWidth, kBoxHeight})
      .length(8)
      .readOnly();
}

// Shown when a requirement lies beyond its table.
constexpr frame::design::Row SpecialTest(frame::design::Place p, int index, int left, int top) {
  return frame::design::Label(p, "Label4", index, {left, top, 3000, kLineHeight}, "Special test is required")
      .hidden()
      .fore(platform::kRed);
}

}  // namespace insulation_level

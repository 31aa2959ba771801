#pragma once
// The words the pages of the procedure share in their layout, built from the
// design kit: a blue introduction across the top of a page, "ENTER" and
// "CALCULATE" side by side under it, and "<< Back" and "Next >>" at its
// foot. A page says where they stand only where it differs.

#include "frame/design_kit.hpp"

namespace frame::design {

// Label30(index): the page's introduction, as high as its lines.
constexpr Row Introduction(Place page, int index, const char* caption, int height = 285) {
  return Label(page, "Label30", index, {120, 420, 13965, height}, caption).fore(platform::kBlue);
}

// Command25(index): the two ways to the page's values.
constexpr Row EnterButton(Place page, int index, int top = 1020) {
  return Button(page, "Command25", index, {4680, top, 2430, 600}, "ENTER").bold().font(12);
}
constexpr Row CalculateButton(Place page, int index, int top = 1020) {
  return Button(page, "Command25", index, {7350, top, 2430, 600}, "CALCULATE").bold().font(12);
}

// Command21(index): the way back, and the way on, which waits for the page's
// values. A strip's tabs write the way back closer: "<<Back".
constexpr Row BackButton(Place page, int index, int top = 5490, const char* caption = "<< Back") {
  return Button(page, "Command21", index, {5670, top, 1485, 405}, caption);
}
constexpr Row NextButton(Place page, int index, int top = 5490) {
  return Button(page, "Command21", index, {7380, top, 1485, 405}, "Next >>").disabled();
}

}  // namespace frame::design

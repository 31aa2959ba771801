#pragma once
// The design the temporary-overvoltage and slow-front strips share. The
// internal tab shows Urw = Ks Ucw and a frame with the two results. The
// external tab shows Urw = Ka Ks Ucw, the choice of a typed or a calculated
// Ka, below it either the Ka entry frame or the altitude frame (whose inputs
// each strip adds) with the drawn formula of Ka, and the results frame last,
// hidden until an "OK" has calculated.

#include <vector>

#include "platform/design.hpp"

namespace required {

struct KaTabsDesign {
  int strip;           // SSTab1
  const char* labels;  // the array of the strip's unnamed labels
  int internalFrame, choiceFrame, kaFrame, altitudeFrame, resultsFrame;  // Frame30, Frame36, Frame28, Frame30, Frame30
  int enterKa, calculateKa;                                              // Option1
  int kaNote, kaOk;                                                      // Label33, Command28
  int kaFormula, kaLine;                                                 // the first of five Label41, Line2
  int intPe, intPp, extPe, extPp, kaBox;                                 // Text1
};

// Inside the altitude frame: captions on the left, boxes beside them.
inline constexpr int kKaCaptionLeft = 240, kKaBoxLeft = 2640;

void AddKaTabs(std::vector<platform::ControlDesign>& rows, const KaTabsDesign& d);
// Ka = e^(m H / 8150) drawn in a frame: Label41(first) to (first + 4) and Line2(line).
void AddKaFormula(std::vector<platform::ControlDesign>& rows, int frame, int first, int line);
void AddKaTabsBoxes(std::vector<platform::ControlDesign>& rows, const KaTabsDesign& d);

// A label of the altitude frame, and one of its input boxes.
platform::ControlDesign AltitudeText(const KaTabsDesign& d, const char* name, int index, int top, int width,
                                     const char* caption);
platform::ControlDesign AltitudeInput(const KaTabsDesign& d, int slot, int left, int top, int maxLength);

}  // namespace required

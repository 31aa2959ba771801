#pragma once
// The words the required-withstand pages are laid out in, built from the
// design kit. A page of the strip SSTab1(6) opens with its blue
// introduction, ENTER on the left and CALCULATE on the right, and ends with
// "<< Back" and "Next >>"; between them stand its summaries, hidden until
// their values are entered or accepted: "Internal insulation" over a
// phase-to-earth and a phase-to-phase line, then "External insulation" over
// two more. The inner strips that CALCULATE opens carry "<<Back" and
// "Next >>" on both of their tabs.

#include <array>

#include "frame/design_kit.hpp"
#include "frame/page_layout.hpp"

namespace required::layout {

namespace kit = frame::design;
using platform::ControlDesign;

inline constexpr int kPageStrip = 6;
constexpr kit::Place OnPage(int page) { return kit::TabPage("SSTab1", kPageStrip, page); }

// The controls every page opens and ends with, by index.
struct PageHead {
  int introduction;  // Label30
  int enter, calculate;  // Command25
  int back, next;  // Command21
};
constexpr std::array<ControlDesign, 5> PageControls(int page, const PageHead& head, const char* introduction) {
  const kit::Place on = OnPage(page);
  return {kit::Introduction(on, head.introduction, introduction), kit::EnterButton(on, head.enter),
          kit::CalculateButton(on, head.calculate), kit::BackButton(on, head.back), kit::NextButton(on, head.next)};
}

// The hidden "0"/"1" box that tells whether the page's values were calculated.
constexpr kit::Row FlagBox(int page, int slot) {
  return kit::Box(OnPage(page), slot, {12960, 5490, 900, 285}).hidden().text("0");
}

// One line of a summary: its caption, the "rw" in the caption's blank run
// (Urw lines only), its unit and its box.
struct SummaryLine {
  int caption, subscript, unit, box;
  const char* text;
};

// A summary's lines: internal phase to earth and phase to phase, then
// external phase to earth and phase to phase.
struct Summary {
  int page, left;
  int internalHeading, externalHeading;
  SummaryLine lines[4];
  int externalMaxLength;
};

// The captions of the Urw lines, with "rw" in their blank run.
inline constexpr const char* kUrwPe = "U         value (phase to earth):";
inline constexpr const char* kUrwPp = "U         value (phase to phase):";

inline constexpr int kSummaryLineTops[] = {2520, 3000, 3960, 4440};

constexpr kit::Row SummaryLabel(const Summary& summary, int index, kit::Rect r, const char* caption) {
  return kit::Label(OnPage(summary.page), "Label4", index, r, caption).hidden();
}

constexpr std::array<ControlDesign, 2> SummaryHeadings(const Summary& summary) {
  const int left = summary.left + 720;
  return {SummaryLabel(summary, summary.internalHeading, {left, 2100, 1800, 255}, "Internal insulation"),
          SummaryLabel(summary, summary.externalHeading, {left, 3540, 1800, 255}, "External insulation")};
}

constexpr kit::Row SummaryCaption(const Summary& summary, int i) {
  const SummaryLine& line = summary.lines[i];
  return SummaryLabel(summary, line.caption, {summary.left, kSummaryLineTops[i], 2460, 255}, line.text);
}
constexpr kit::Row SummaryUnit(const Summary& summary, int i) {
  return SummaryLabel(summary, summary.lines[i].unit, {summary.left + 3480, kSummaryLineTops[i], 285, 255}, "kV");
}
constexpr kit::Row UrwSubscript(const Summary& summary, int i) {
  return kit::Subscript(OnPage(summary.page), "Label4", summary.lines[i].subscript,
                        {summary.left + 250, kSummaryLineTops[i] + 45, 195, 225}, "rw")
      .hidden();
}

// The labels of a summary of Urw values, and of one of converted values.
constexpr auto UrwSummaryLabels(const Summary& summary) {
  const auto line = [&summary](int i) -> std::array<ControlDesign, 3> {
    return {SummaryCaption(summary, i), UrwSubscript(summary, i), SummaryUnit(summary, i)};
  };
  return kit::Join(SummaryHeadings(summary), line(0), line(1), line(2), line(3));
}
constexpr auto ConvertedSummaryLabels(const Summary& summary) {
  const auto line = [&summary](int i) -> std::array<ControlDesign, 2> {
    return {SummaryCaption(summary, i), SummaryUnit(summary, i)};
  };
  return kit::Join(SummaryHeadings(summary), line(0), line(1), line(2), line(3));
}

constexpr std::array<ControlDesign, 4> SummaryBoxes(const Summary& summary) {
  std::array<ControlDesign, 4> boxes{};
  for (int i = 0; i < 4; ++i)
    boxes[i] = kit::Box(OnPage(summary.page), summary.lines[i].box,
                        {summary.left + 2520, kSummaryLineTops[i] - 30, 900, 285})
                   .hidden()
                   .length(i < 2 ? 6 : summary.externalMaxLength)
                   .readOnly();
  return boxes;
}

// "<<Back" and "Next >>" on both tabs of an inner strip; the internal
// "Next >>" starts disabled where it waits for results.
struct StripButtons {
  int strip, top;
  int internalBack, internalNext, externalBack, externalNext;
  bool internalNextWaits;
};

constexpr std::array<ControlDesign, 4> TabButtons(const StripButtons& buttons) {
  const auto button = [&buttons](int tab, int index, bool next) {
    return kit::Button(kit::TabPage("SSTab1", buttons.strip, tab), "Command29", index,
                       {next ? 12360 : 10800, buttons.top, 1335, 375}, next ? "Next >>" : "<<Back");
  };
  const kit::Row internalNext = button(0, buttons.internalNext, true);
  return {button(0, buttons.internalBack, false), buttons.internalNextWaits ? internalNext.disabled() : internalNext,
          button(1, buttons.externalBack, false), button(1, buttons.externalNext, true).disabled()};
}

}  // namespace required::layout

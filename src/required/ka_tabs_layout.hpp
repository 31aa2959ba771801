#pragma once
// The layout words of the strips that calculate Urw with an atmospheric
// correction factor Ka, built from the design kit: the drawn formulas, the
// "For ... insulation Ks = ... hence :" heading over the result lines, the
// choice between a typed and a calculated Ka, the Ka entry and the drawn
// Ka = e^(m H / 8150). The temporary-overvoltage and slow-front strips are
// laid out alike from their roles; the fast-front strip takes the words it
// shares with them.

#include <array>

#include "frame/design_kit.hpp"
#include "required/ka_tabs.hpp"

namespace required::layout {

namespace kit = frame::design;
using platform::ControlDesign;

// Inside the Ka entry and altitude frames: captions on the left, boxes beside them.
inline constexpr int kKaCaptionLeft = 240, kKaBoxLeft = 2640;
// The frames span the strip's tabs.
inline constexpr int kFrameLeft = 240, kFrameWidth = 13905;

constexpr kit::Place StripTab(int strip, int tab) { return kit::TabPage("SSTab1", strip, tab); }

// A drawn formula at the top right of a tab, and a subscript in its blank runs.
constexpr kit::Row Formula(kit::Place p, const char* labels, int index, int width, const char* caption) {
  return kit::Label(p, labels, index, {5880, 600, width, 255}, caption).nowrap().fore(platform::kBlue);
}
constexpr kit::Row FormulaSubscript(kit::Place p, const char* labels, int index, int offset, const char* caption) {
  return kit::Subscript(p, labels, index, {5880 + offset, 660, 195, 195}, caption).fore(platform::kBlue);
}

// The subscript in the blank run of a caption whose top is `top`.
constexpr kit::Row CaptionSubscript(kit::Place p, const char* name, int index, int left, int top,
                                    const char* caption) {
  return kit::Subscript(p, name, index, {left, top + 60, 195, 195}, caption);
}

// "For internal insulation K   =1,15 hence :" with its "s", at the top of a results frame.
constexpr std::array<ControlDesign, 2> KsHeading(kit::Place p, const char* name, int heading, int subscript,
                                                 const char* caption, int subscriptOffset) {
  return {kit::Label(p, name, heading, {kKaCaptionLeft, 240, 3600, 255}, caption).nowrap(),
          CaptionSubscript(p, name, subscript, kKaCaptionLeft + subscriptOffset, 240, "s")};
}

// Two options side by side in a choice frame.
constexpr std::array<ControlDesign, 2> Choice(kit::Place p, int first, const char* firstCaption, int second,
                                              const char* secondCaption) {
  return {kit::Option(p, first, {600, 240, 4200, 255}, firstCaption),
          kit::Option(p, second, {7200, 240, 4200, 255}, secondCaption)};
}
constexpr std::array<ControlDesign, 2> KaChoice(kit::Place p, int enter, int calculate) {
  return Choice(p, enter, "Enter atmospheric correction factor (Ka)", calculate,
                "Calculate atmospheric correction factor (Ka)");
}

// The typed Ka: its caption, the note on Ka at sea level and the "OK",
// hidden until the box holds text (the box comes with the value store).
constexpr std::array<ControlDesign, 4> KaEntry(kit::Place p, const char* labels, int caption, int note, int ok) {
  return {kit::Label(p, labels, caption, {kKaCaptionLeft, 360, 1800, 255}, "Enter K      value").nowrap(),
          CaptionSubscript(p, labels, caption + 1, kKaCaptionLeft + 655, 360, "a"),
          kit::Label(p, "Label33", note, {kKaBoxLeft + 1080, 360, 2400, 255}, "Ka = 1 at sea level").nowrap(),
          kit::Button(p, "Command28", ok, {kKaBoxLeft, 780, 900, 315}, "OK").hidden()};
}

// Ka = e^(m H / 8150) in an altitude frame, right of its inputs:
// Label41(first) to (first + 4) and Line2(line). The exponent m H / 8150
// stands as a superscript just right of the e, its fraction line level
// with the top of the e.
constexpr std::array<ControlDesign, 6> KaFormula(int frame, int first, int line) {
  constexpr int left = 9360, top = 840, exponentLeft = left + 510, exponentWidth = 330, lineTop = top - 30;
  const kit::Place in = kit::Inside("Frame30", frame);
  // The "a" of Ka, and the m, H and 8150 of the exponent.
  const auto script = [&in](int index, kit::Rect r, const char* caption) {
    return kit::Subscript(in, "Label41", index, r, caption).hidden().fore(platform::kBlue);
  };
  return {kit::Label(in, "Label41", first, {left, top, 510, 255}, "K   = e").hidden().nowrap().fore(platform::kBlue),
          script(first + 1, {left + 136, top + 60, 120, 195}, "a"),
          script(first + 2, {exponentLeft + 45, lineTop - 210, 135, 195}, "m"),
          script(first + 3, {exponentLeft + 195, lineTop - 210, 135, 195}, "H"),
          kit::Line(in, "Line2", line, {exponentLeft, lineTop, exponentWidth, 0}).hidden(),
          script(first + 4, {exponentLeft, lineTop + 15, exponentWidth, 195}, "8150")};
}

// A label of the altitude frame, one of its inputs, its help label and its "OK".
constexpr kit::Row AltitudeText(const KaTabsRoles& tabs, const char* name, int index, int top, int width,
                                const char* caption) {
  return kit::Label(kit::Inside("Frame30", tabs.altitudeFrame), name, index, {kKaCaptionLeft, top, width, 255}, caption)
      .hidden()
      .nowrap();
}
constexpr kit::Row AltitudeInput(const KaTabsRoles& tabs, int slot, int top, int maxLength) {
  return kit::Box(kit::Inside("Frame30", tabs.altitudeFrame), slot, {kKaBoxLeft, top - 30, 900, 285})
      .hidden()
      .length(maxLength);
}
constexpr kit::Row AltitudeHelp(const KaTabsRoles& tabs, int index, int top) {
  return kit::Label(kit::Inside("Frame30", tabs.altitudeFrame), "Label85", index, {kKaBoxLeft + 1200, top, 4200, 255},
                    "Altitude above sea level")
      .hidden()
      .nowrap()
      .fore(platform::kBlue);
}
constexpr kit::Row AltitudeOk(const KaTabsRoles& tabs, int index, int top) {
  return kit::Button(kit::Inside("Frame30", tabs.altitudeFrame), "Command28", index, {kKaBoxLeft, top, 900, 315}, "OK")
      .hidden();
}

// Both tabs of a temporary-overvoltage or slow-front strip but the inputs of
// its altitude frame.
constexpr auto KaTabsDesign(const KaTabsRoles& tabs) {
  constexpr int kInternal = 0, kExternal = 1;
  constexpr int kResultsHeight = 1800, kEntryTop = 1860, kEntryHeight = 2640;
  const kit::Place internalTab = StripTab(tabs.strip, kInternal), externalTab = StripTab(tabs.strip, kExternal);
  // The two result lines below the heading of a results frame, from label `first` on.
  const auto resultLines = [&tabs](int frame, int first) -> std::array<ControlDesign, 6> {
    const kit::Place in = kit::Inside("Frame30", frame);
    return {kit::Label(in, tabs.labels, first, {1200, 720, 2160, 255}, "U      (phase to earth) = ").nowrap(),
            CaptionSubscript(in, tabs.labels, first + 1, 1390, 720, "rw"),
            kit::Label(in, tabs.labels, first + 2, {4560, 720, 285, 255}, "kV").nowrap(),
            kit::Label(in, tabs.labels, first + 3, {1200, 1200, 2160, 255}, "U      (phase to phase) = ").nowrap(),
            CaptionSubscript(in, tabs.labels, first + 4, 1390, 1200, "rw"),
            kit::Label(in, tabs.labels, first + 5, {4560, 1200, 285, 255}, "kV").nowrap()};
  };
  const kit::Place internalFrame = kit::Inside("Frame30", tabs.internalFrame);
  const kit::Place resultsFrame = kit::Inside("Frame30", tabs.resultsFrame);
  return kit::Join(
      // Internal insulation: Urw = Ks Ucw and the two results.
      std::array<ControlDesign, 5>{
          Formula(internalTab, tabs.labels, 0, 1560, "U      = K       U"),
          FormulaSubscript(internalTab, tabs.labels, 1, 187, "rw"),
          FormulaSubscript(internalTab, tabs.labels, 2, 771, "s"),
          FormulaSubscript(internalTab, tabs.labels, 3, 1110, "cw"),
          kit::Frame(internalTab, "Frame30", tabs.internalFrame, {kFrameLeft, 1200, kFrameWidth, kResultsHeight}, "")},
      KsHeading(internalFrame, tabs.labels, 4, 5, "For internal insulation K   =1,15 hence :", 1763),
      resultLines(tabs.internalFrame, 6),
      // External insulation: Urw = Ka Ks Ucw and the choice of Ka.
      std::array<ControlDesign, 6>{
          Formula(externalTab, tabs.labels, 12, 2160, "U      = K       K       U"),
          FormulaSubscript(externalTab, tabs.labels, 13, 187, "rw"),
          FormulaSubscript(externalTab, tabs.labels, 14, 764, "a"),
          FormulaSubscript(externalTab, tabs.labels, 15, 1197, "s"),
          FormulaSubscript(externalTab, tabs.labels, 16, 1670, "cw"),
          kit::Frame(externalTab, "Frame36", tabs.choiceFrame, {kFrameLeft, 1080, kFrameWidth, 615}, "")},
      KaChoice(kit::Inside("Frame36", tabs.choiceFrame), tabs.enterKa, tabs.calculateKa),
      // The typed Ka.
      std::array<ControlDesign, 1>{
          kit::Frame(externalTab, "Frame28", tabs.kaFrame, {kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight}, "")
              .hidden()},
      KaEntry(kit::Inside("Frame28", tabs.kaFrame), tabs.labels, 17, tabs.kaNote, tabs.kaOk),
      // Ka from the altitude: the frame, and Ka drawn in it.
      std::array<ControlDesign, 1>{
          kit::Frame(externalTab, "Frame30", tabs.altitudeFrame, {kFrameLeft, kEntryTop, kFrameWidth, kEntryHeight}, "")
              .hidden()},
      KaFormula(tabs.altitudeFrame, tabs.kaFormula, tabs.kaLine),
      // The results.
      std::array<ControlDesign, 1>{
          kit::Frame(externalTab, "Frame30", tabs.resultsFrame, {kFrameLeft, 4680, kFrameWidth, kResultsHeight}, "")
              .hidden()},
      KsHeading(resultsFrame, tabs.labels, 19, 20, "For external insulation K   =1,05 hence :", 1810),
      resultLines(tabs.resultsFrame, 21));
}

// The results of both tabs and the typed Ka.
constexpr std::array<ControlDesign, 5> KaTabsBoxes(const KaTabsRoles& tabs) {
  const auto result = [](int slot, int frame, int top) {
    return kit::Box(kit::Inside("Frame30", frame), slot, {3600, top - 30, 900, 285})
        .length(6)
        .readOnly();
  };
  return {result(tabs.intPe, tabs.internalFrame, 720), result(tabs.intPp, tabs.internalFrame, 1200),
          result(tabs.extPe, tabs.resultsFrame, 720), result(tabs.extPp, tabs.resultsFrame, 1200),
          kit::Box(kit::Inside("Frame28", tabs.kaFrame), tabs.kaBox, {kKaBoxLeft, 330, 900, 285}).length(5)};
}

}  // namespace required::layout

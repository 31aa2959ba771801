#pragma once
// The words the five factor pages of tabCalculation1 share in their layout:
// the frame of the three ways to a factor, the frame of the two entries, the
// Urp lines of an entry frame, the reactance rows, the result lines under the
// page's rule and the look of a result box. Each page says where they stand
// and what its controls are called; the pages were drawn one by one, so a
// line's sizes come with the page.

#include <array>

#include "frame/design_kit.hpp"

namespace tov::layout {

// The layout words are written in the design kit's terms, and so are the
// pages' design files that use them.
using namespace frame::design;
using platform::kNoIndex;

// A caption or note that waits hidden until the page shows it, on one line.
constexpr unsigned kHiddenOneLine = platform::Hidden | platform::NoWrap;

constexpr Place OnFactorPage(int page) { return frame::design::TabPage("tabCalculation1", kNoIndex, page); }

// A box that shows a result: locked, light yellow and hidden until the page has one.
constexpr Row Result(Row box) { return box.hidden().length(6).readOnly(); }
// The result boxes of an Urp(p-e) line and of the Urp(p-p) line under it.
constexpr std::array<ControlDesign, 2> UrpResultBoxes(Place page, int pe, int pp, int left, int peTop, int ppTop) {
  return {Result(Box(page, pe, {left, peTop, 900, 285})), Result(Box(page, pp, {left, ppTop, 900, 285}))};
}
// A box the page computes from the data above it: locked and light yellow.
constexpr Row Computed(Row box) { return box.length(8).readOnly(); }

// "Enter", "Calculate" and "Ignore" in their frame across the page,
// Option1(first) to Option1(first + 2).
constexpr std::array<ControlDesign, 4> WaysToFactor(Place page, const char* frame, int top, int first) {
  const Place in = Inside(frame);
  return {Frame(page, frame, kNoIndex, {180, top, 14055, 675}, ""),
          Option(in, first, {1590, 240, 1185, 255}, "Enter"),
          Option(in, first + 1, {6450, 240, 1185, 255}, "Calculate"),
          Option(in, first + 2, {11310, 240, 1185, 255}, "Ignore")};
}

// "Enter Factor" and "Enter Urp" in the hidden frame under "Enter",
// Option1(first) and Option1(first + 1).
constexpr std::array<ControlDesign, 3> EntryChoice(Place page, const char* frame, int top, int first) {
  const Place in = Inside(frame);
  return {Frame(page, frame, kNoIndex, {180, top, 4425, 675}, "").hidden(),
          Option(in, first, {420, 240, 1425, 255}, "Enter Factor"),
          Option(in, first + 1, {2640, 240, 1185, 255}, "Enter Urp")};
}

// One of two cases a page calculates: its caption and where it stands.
struct CaseOption {
  const char* caption;
  int left, width;
};

// The two cases in the hidden frame right of the entry choice,
// Option1(first) and Option1(first + 1).
constexpr std::array<ControlDesign, 3> CaseChoice(Place page, const char* frame, int first, CaseOption a,
                                                  CaseOption b) {
  const Place in = Inside(frame);
  return {Frame(page, frame, kNoIndex, {4710, 1440, 6195, 675}, "").hidden(),
          Option(in, first, {a.left, 240, a.width, 255}, a.caption),
          Option(in, first + 1, {b.left, 240, b.width, 255}, b.caption)};
}

// The hidden entry frame under the entry choice, as high as its lines, and
// its first line "Enter K… value".
constexpr std::array<ControlDesign, 2> FactorEntryFrame(Place page, const char* frame, int height,
                                                        const char* captionName, const char* caption) {
  return {Frame(page, frame, kNoIndex, {180, 2190, 4425, height}, "").hidden(),
          Label(Inside(frame), captionName, kNoIndex, {90, 360, 1305, 285}, caption).hidden()};
}

// How large a page draws a line "U  (…)": the caption, the "rp" laid into its
// blank run and the "kV" after the box.
struct UrpLineLook {
  Rect caption, subscript, unit;  // width and height; left and top come from the line
  unsigned flags = platform::Hidden;
};

// The names of one such line: the caption, its "rp" and the index of its unit
// in the page's array of "kV" labels.
struct UrpLineNames {
  const char* caption;
  const char* subscript;
  int unit;
};

namespace detail {

constexpr std::array<ControlDesign, 3> UrpLine(Place in, const char* text, UrpLineNames names, Rect caption,
                                               Rect subscript, Rect unit, const UrpLineLook& look) {
  return {Label(in, names.caption, kNoIndex, {caption.left, caption.top, look.caption.width, look.caption.height},
                text, look.flags),
          Subscript(in, names.subscript, kNoIndex,
                    {subscript.left, subscript.top, look.subscript.width, look.subscript.height}, "rp", look.flags),
          Label(in, "lblKV", names.unit, {unit.left, unit.top, look.unit.width, look.unit.height}, "kV", look.flags)};
}

}  // namespace detail

// The line "Enter U  (p-e) value" of an entry frame; its box stands between
// the caption and the "kV".
constexpr std::array<ControlDesign, 3> UrpPeEntry(Place frame, UrpLineNames pe, const UrpLineLook& look) {
  return detail::UrpLine(frame, "Enter U    (p-e) value", pe, {90, 330}, {675, 390}, {3090, 330}, look);
}

// The lines "Enter U  (p-e) value" above "Enter U  (p-p) value" of an entry frame.
constexpr std::array<ControlDesign, 6> UrpEntry(Place frame, UrpLineNames pe, UrpLineNames pp,
                                                const UrpLineLook& look) {
  return frame::design::Join(
      UrpPeEntry(frame, pe, look),
      detail::UrpLine(frame, "Enter U    (p-p) value", pp, {90, 750}, {675, 840}, {3090, 765}, look));
}

// The Urp entry boxes of the value store, where the lines above leave room for them.
constexpr Row UrpPeEntryBox(Place frame, int slot) {
  return frame::design::Box(frame, slot, {2070, 330, 900, 285}).hidden().length(6);
}
constexpr Row UrpPpEntryBox(Place frame, int slot) {
  return frame::design::Box(frame, slot, {2070, 750, 900, 285}).hidden().length(6);
}

// The box of a typed factor, on the line of the entry frame's caption.
constexpr Row FactorEntryBox(Place frame, int slot, int left) {
  return frame::design::Box(frame, slot, {left, 330, 900, 285}).hidden().length(4);
}

// The sizes most factor pages draw their Urp lines with.
inline constexpr UrpLineLook kUrpEntryLook{.caption = {0, 0, 1845, 285}, .subscript = {0, 0, 195, 225},
                                           .unit = {0, 0, 285, 285}};
inline constexpr UrpLineLook kUrpResultLook{.caption = {0, 0, 2025, 255}, .subscript = {0, 0, 165, 225},
                                            .unit = {0, 0, 255, 255}};

namespace detail {

constexpr std::array<ControlDesign, 3> UrpResultLine(Place page, const char* text, const char* caption, int subscript,
                                                     int unit, int left, int top, const UrpLineLook& look,
                                                     int indent) {
  return {Label(page, caption, kNoIndex, {left, top, look.caption.width, look.caption.height}, text, look.flags),
          Subscript(page, "Label1", subscript,
                    {left + indent, top + 60, look.subscript.width, look.subscript.height}, "rp", look.flags),
          Label(page, "Label13", unit, {left + 3015, top, look.unit.width, look.unit.height}, "kV", look.flags)};
}

}  // namespace detail

// The result line "U  (phase to earth) :" under the page's rule, its "rp" one
// of the page's Label1 and its "kV" one of its Label13; the box stands between.
// The "rp" sits indent twips into the caption.
constexpr std::array<ControlDesign, 3> UrpPeResult(Place page, const char* caption, int subscript, int unit,
                                                   int left, int top, const UrpLineLook& look, int indent = 180) {
  return detail::UrpResultLine(page, "U     (phase to earth) :", caption, subscript, unit, left, top, look, indent);
}

// The line "U  (phase to phase) :" under it.
constexpr std::array<ControlDesign, 3> UrpPpResult(Place page, const char* caption, int subscript, int unit,
                                                   int left, int top, const UrpLineLook& look, int indent = 180) {
  return detail::UrpResultLine(page, "U     (phase to phase) :", caption, subscript, unit, left, top, look, indent);
}

// The frame in which X0 and X1 are entered, with the captions Label33(x0),
// Label33(x0Subscript), Label33(x1), Label33(x1Subscript), its "OK" and the
// help label the captions fill.
struct ReactanceNames {
  const char* frame;
  int x0, x0Subscript, x1, x1Subscript;
  const char* ok;
  const char* help;
};
constexpr std::array<ControlDesign, 7> ReactanceFrame(Place page, int top, ReactanceNames n) {
  const Place in = Inside(n.frame);
  return {Frame(page, n.frame, kNoIndex, {4710, top, 6165, 1785}, "").hidden(),
          Label(in, "Label33", n.x0, {270, 300, 1995, 225}, "Enter X     value (Ω)"),
          Subscript(in, "Label33", n.x0Subscript, {895, 420, 135, 195}, "0"),
          Label(in, "Label33", n.x1, {270, 750, 1725, 225}, "Enter X     value (Ω)"),
          Subscript(in, "Label33", n.x1Subscript, {895, 840, 135, 195}, "1"),
          Button(in, n.ok, kNoIndex, {2430, 1170, 900, 285}, "OK").hidden(),
          Label(in, n.help, kNoIndex, {3360, 300, 2790, 255}, n.help).hidden().fore(platform::kBlue)};
}

// The value-store boxes of X0 and X1 in that frame.
constexpr std::array<ControlDesign, 2> ReactanceBoxes(const char* frame, int x0, int x1) {
  return {Box(Inside(frame), x0, {2430, 270, 900, 285}).length(8), Box(Inside(frame), x1, {2430, 720, 900, 285}).length(8)};
}

}  // namespace tov::layout

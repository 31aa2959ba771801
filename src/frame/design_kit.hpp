#pragma once
// The one way every page writes its design rows. A row says what a control
// is (its kind, and for most kinds the array it belongs to), where it stands
// (its container and, on a tab strip, the page) and its box in twips; the
// rest has the defaults of its kind and is changed by name where a row
// differs:
//
//   constexpr Place kTab = TabPage("SSTab1", 2, 0);
//   Label(kTab, "Label33", 40, {240, 1170, 1350, 255}, "Enter L  value (m)").nowrap(),
//   Subscript(kTab, "Label41", 150, {885, 390, 105, 195}, "pl"),
//   Box(kTab, UrpFormula1, {6960, 5520, 900, 285}).locked().length(7),
//
// Pages keep the words of their own layout (a level box, a summary line)
// as functions built from these, never as a second row constructor.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/design.hpp"

namespace frame::design {

using platform::ControlDesign;
using platform::Kind;

// Where a control stands: on the window, inside a frame or other container,
// or on a page of a tab strip.
struct Place {
  const char* container = nullptr;
  int containerIndex = platform::kNoIndex;
  int page = -1;
};
constexpr Place TabPage(const char* strip, int stripIndex, int page) { return {strip, stripIndex, page}; }
constexpr Place Inside(const char* container, int index = platform::kNoIndex) { return {container, index}; }

// A control's box in twips: left, top, width, height. A line runs from its
// left and top by its width and height.
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// A design row with the changes a page makes to its kind's defaults.
struct Row : ControlDesign {
  constexpr Row with(unsigned flags) const {
    Row r = *this;
    r.flags |= flags;
    return r;
  }
  constexpr Row hidden() const { return with(platform::Hidden); }
  constexpr Row disabled() const { return with(platform::Disabled); }
  constexpr Row locked() const { return with(platform::Locked); }
  constexpr Row bold() const { return with(platform::Bold); }
  constexpr Row nowrap() const { return with(platform::NoWrap); }
  constexpr Row centered() const { return with(platform::Centered); }
  constexpr Row selected() const { return with(platform::Selected); }
  // A box the program writes and the person only reads: locked, on light yellow.
  constexpr Row readOnly() const { return locked().back(platform::kLightYellow); }
  constexpr Row fore(std::uint32_t color) const {
    Row r = *this;
    r.foreColor = color;
    return r;
  }
  constexpr Row back(std::uint32_t color) const {
    Row r = *this;
    r.backColor = color;
    return r;
  }
  constexpr Row font(int points) const {
    Row r = *this;
    r.fontSize = points;
    return r;
  }
  constexpr Row length(int maxLength) const {
    Row r = *this;
    r.maxLength = maxLength;
    return r;
  }
  // A text box's design-time text.
  constexpr Row text(const char* t) const {
    Row r = *this;
    r.caption = t;
    return r;
  }
};

constexpr Row Control(Kind kind, Place p, const char* name, int index, Rect r, const char* caption = "",
                      unsigned flags = 0) {
  Row row;
  row.kind = kind;
  row.name = name;
  row.index = index;
  row.container = p.container;
  row.containerIndex = p.containerIndex;
  row.page = p.page;
  row.left = r.left;
  row.top = r.top;
  row.width = r.width;
  row.height = r.height;
  row.caption = caption;
  row.flags = flags;
  return row;
}

constexpr Row Label(Place p, const char* name, int index, Rect r, const char* caption, unsigned flags = 0) {
  return Control(Kind::Label, p, name, index, r, caption, flags);
}

// The small label laid into the blank run of a caption (the "rp" of Urp) or
// raised beside it as an exponent: one size on every page, on one line.
constexpr Row Subscript(Place p, const char* name, int index, Rect r, const char* caption, unsigned flags = 0) {
  return Label(p, name, index, r, caption, flags | platform::NoWrap).font(platform::kSubscriptFontSize);
}

// A box of the value store, Text1(slot).
constexpr Row Box(Place p, int slot, Rect r, unsigned flags = 0) {
  return Control(Kind::TextBox, p, "Text1", slot, r, "", flags);
}

constexpr Row TextBox(Place p, const char* name, int index, Rect r, unsigned flags = 0) {
  return Control(Kind::TextBox, p, name, index, r, "", flags);
}

// A page's or tab's way back ("<< Back", "<<Back"). A page or strip that
// opens never gives it the focus, wherever it stands: Enter pressed once more
// would otherwise leave what has just opened.
constexpr bool IsWayBack(std::string_view caption) { return caption == "<< Back" || caption == "<<Back"; }

constexpr Row Button(Place p, const char* name, int index, Rect r, const char* caption, unsigned flags = 0) {
  return Control(Kind::CommandButton, p, name, index, r, caption,
                 IsWayBack(caption) ? flags | platform::NoPageFocus : flags);
}

// An option of the program's one option array, Option1(index).
constexpr Row Option(Place p, int index, Rect r, const char* caption, unsigned flags = 0) {
  return Control(Kind::OptionButton, p, "Option1", index, r, caption, flags);
}

constexpr Row Frame(Place p, const char* name, int index, Rect r, const char* caption, unsigned flags = 0) {
  return Control(Kind::Frame, p, name, index, r, caption, flags);
}

constexpr Row Line(Place p, const char* name, int index, Rect r, unsigned flags = 0) {
  return Control(Kind::Line, p, name, index, r, "", flags);
}

constexpr Row Picture(Place p, const char* name, int index, Rect r, const char* picture, unsigned flags = 0) {
  return Control(Kind::Image, p, name, index, r, picture, flags);
}

// One table from the blocks of a page, in order: a page that repeats a block
// (an entry frame, a summary line) writes it as a function and joins its
// calls.
template <std::size_t... N>
constexpr std::array<ControlDesign, (N + ...)> Join(const std::array<ControlDesign, N>&... blocks) {
  std::array<ControlDesign, (N + ...)> rows{};
  std::size_t i = 0;
  ((void)[&] {
    for (const ControlDesign& d : blocks) rows[i++] = d;
  }(), ...);
  return rows;
}

}  // namespace frame::design

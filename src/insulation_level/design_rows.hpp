#pragma once
// The shapes the standard-insulation-level page repeats: a caption, a locked
// level box, its "kV", the red "Special test is required", a frame or an
// option, each at a place on the page.

#include "platform/design.hpp"

namespace insulation_level::design {

using platform::ControlDesign;
using platform::Kind;

// Where a control stands: a container and, for a tab strip, its page.
struct Place {
  const char* container;
  int containerIndex = platform::kNoIndex;
  int page = -1;
};

constexpr Place InFrame(int index) { return {"Frame37", index}; }

inline constexpr int kRowHeight = 285, kBoxWidth = 1095, kUnitWidth = 375;

constexpr ControlDesign Label(Place p, int index, int left, int top, int width, const char* caption,
                              unsigned flags = 0) {
  return {.kind = Kind::Label, .name = "Label4", .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = 255, .caption = caption, .flags = flags};
}

constexpr ControlDesign Unit(Place p, int index, int left, int top, unsigned flags = 0) {
  return Label(p, index, left, top, kUnitWidth, "kV", flags);
}

constexpr ControlDesign SpecialTest(Place p, int index, int left, int top) {
  ControlDesign d = Label(p, index, left, top, 3000, "Special test is required", platform::Hidden);
  d.foreColor = platform::kRed;
  return d;
}

// A locked display box of a level or clearance: eight characters.
constexpr ControlDesign LevelBox(Place p, int slot, int left, int top, unsigned flags = 0) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top - 30,
          .width = kBoxWidth, .height = kRowHeight, .flags = platform::Locked | flags, .maxLength = 8,
          .backColor = platform::kLightYellow};
}

constexpr ControlDesign Frame(Place p, int index, int left, int top, int width, int height, const char* caption,
                              unsigned flags = 0) {
  return {.kind = Kind::Frame, .name = "Frame37", .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = height, .caption = caption, .flags = flags};
}

constexpr ControlDesign Option(Place p, int index, int left, int top, int width, const char* caption) {
  return {.kind = Kind::OptionButton, .name = "Option1", .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = width,
          .height = 255, .caption = caption};
}

constexpr ControlDesign Button(const char* name, int index, Place p, int left, int top, const char* caption,
                               unsigned flags = 0) {
  return {.kind = Kind::CommandButton, .name = name, .index = index, .container = p.container,
          .containerIndex = p.containerIndex, .page = p.page, .left = left, .top = top, .width = 1335,
          .height = 405, .caption = caption, .flags = flags};
}

}  // namespace insulation_level::design

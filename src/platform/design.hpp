#pragma once
// The design-time description of one control, as a form designer would store it.
// Pages describe themselves as plain arrays of these.

#include <cstdint>

namespace platform {

enum class Kind { Label, TextBox, CommandButton, OptionButton, Frame, Image, Line, Shape, TabStrip };

constexpr int kNoIndex = -1;

// Colours are 0xRRGGBB; kSystemColor leaves the colour to the desktop theme.
constexpr std::uint32_t kSystemColor = 0xFFFFFFFFu;
constexpr std::uint32_t kLightYellow = 0xFFFFC0u;
constexpr std::uint32_t kWhite = 0xFFFFFFu;
constexpr std::uint32_t kBlue = 0x0000FFu;
constexpr std::uint32_t kRed = 0xFF0000u;
constexpr std::uint32_t kPurple = 0x800080u;

// The small labels laid into the blank run of a caption (the "rp" of Urp):
// one size on every page, small enough to read as a subscript, large enough
// that a "0" is not an "o".
constexpr int kSubscriptFontSize = 7;

enum DesignFlag : unsigned {
  Hidden = 1u << 0,
  Disabled = 1u << 1,
  Locked = 1u << 2,
  Bold = 1u << 3,
  Selected = 1u << 4,   // an option button that starts selected
  Centered = 1u << 5,   // caption centred in its box
  NoWrap = 1u << 6,     // a label caption kept on one line
  Bordered = 1u << 7,   // a label drawn with a border (frames always have one)
  Underlined = 1u << 8, // a caption drawn underlined
  NoPageFocus = 1u << 9, // a way back or a button that ends the run: a page that opens never focuses it
};

struct ControlDesign {
  Kind kind = Kind::Label;
  const char* name = "";
  int index = kNoIndex;
  const char* container = nullptr;  // nullptr: directly on the window
  int containerIndex = kNoIndex;
  int page = -1;                    // page of a tab-strip container
  int left = 0, top = 0, width = 0, height = 0;  // twips; a line runs from (left, top) by (width, height)
  const char* caption = "";         // caption, a text box's text, or an image's picture name
  unsigned flags = 0;
  int maxLength = 0;                // text boxes: 0 means no limit
  std::uint32_t backColor = kSystemColor;
  std::uint32_t foreColor = kSystemColor;
  int fontSize = 0;                 // points; 0 is the window's font
  const char* tabs = nullptr;       // tab strips: page captions separated by '|'
  int tab = 0;                      // tab strips: the page selected at design time
};

}  // namespace platform

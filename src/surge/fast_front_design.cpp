// The fast-front page as it stands when the main window is loaded. The
// formula strip SSTab1(2) belongs to the frame's page tree and covers the
// page while it is shown.

#include "frame/design_kit.hpp"
#include "surge/fast_front_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kPage = "tabSubGeneral1";
constexpr int kPageIndex = 3;
constexpr int kSubscript = platform::kSubscriptFontSize;

constexpr const char* kNote =
    "Fast front overvoltage values may be entered, case are known, or calculated according to IEC 71-2:1996 and "
    "71-1:2006.\n"
    "The calculations are performed by using three formulas and the final selection of Urp value rests to the user.\n"
    "Optionally Urp may be skipped and go directly to Ucw.";

constexpr ControlDesign OnPage(Kind kind, const char* name, int index, int left, int top, int width, int height,
                               const char* caption, unsigned flags = 0, int fontSize = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kPage, .page = kPageIndex, .left = left,
          .top = top, .width = width, .height = height, .caption = caption, .flags = flags, .fontSize = fontSize};
}

constexpr ControlDesign Button(int index, int left, const char* caption) {
  return OnPage(Kind::CommandButton, "Command25", index, left, 1380, 2430, 600, caption, Bold, 12);
}

constexpr ControlDesign kDesign[] = {
    {.kind = Kind::Label, .name = "Label30", .index = 20, .container = kPage, .page = kPageIndex, .left = 120,
     .top = 420, .width = 13965, .height = 885, .caption = kNote, .foreColor = platform::kBlue},
    Button(3, 3360, "ENTER"),
    Button(2, 6000, "CALCULATE"),
    Button(4, 8640, "SKIP"),

    // The summary: shown and hidden with its two boxes.
    OnPage(Kind::Label, "Label4", 16, 5790, 2430, 2865, 285, "Internal and external insulation", Hidden),
    OnPage(Kind::Label, "Label4", 22, 5310, 2835, 2040, 255, "U     value (phase to earth):", Hidden | NoWrap),
    OnPage(Kind::Label, "Label4", 21, 5490, 2895, 120, 195, "rp", Hidden | NoWrap, kSubscript),
    OnPage(Kind::Label, "Label4", 20, 8325, 2835, 255, 255, "kV", Hidden),
    OnPage(Kind::Label, "Label4", 19, 5235, 3315, 2130, 255, "U      value (phase to phase):", Hidden | NoWrap),
    OnPage(Kind::Label, "Label4", 18, 5430, 3375, 120, 195, "rp", Hidden | NoWrap, kSubscript),
    OnPage(Kind::Label, "Label4", 17, 8325, 3315, 255, 255, "kV", Hidden),

    OnPage(Kind::CommandButton, "Command21", 17, 5670, 5490, 1485, 405, "<< Back"),
    OnPage(Kind::CommandButton, "Command21", 18, 7380, 5490, 1485, 405, "Next >>", Disabled),
};

constexpr ControlDesign Summary(int slot, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = kPage, .page = kPageIndex,
          .left = 7395, .top = top, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 7,
          .backColor = platform::kLightYellow};
}

namespace kit = frame::design;

constexpr ControlDesign kValueStoreRows[] = {
    Summary(UrpFfPe, 2820), Summary(UrpFfPp, 3300),
    // A flag box of the page that no step sets.
    kit::Box(kit::TabPage(kPage, platform::kNoIndex, kPageIndex), 79, {240, 600, 900, 285}).hidden().text("0"),
};

}  // namespace

std::span<const ControlDesign> FastFrontPage::Design() { return kDesign; }
std::span<const ControlDesign> FastFrontPage::ValueStoreRows() { return kValueStoreRows; }

}  // namespace surge

// Design of the fast-front strip SSTab1(9). The internal tab shows its
// result in Frame30(12). The external tab holds, from the top: the Range II
// choice of a calculated or an ignored Urw (Frame36(4)), the choice of Ka
// (Frame36(3)), the Ka entry Frame28(5) or the altitude frame Frame30(13)
// with the drawn formula of Ka, and the result frame Frame30(14); all hidden
// until the tab is laid out for the range.

#include <vector>

#include "required/fast_front_tabs.hpp"
#include "required/ka_tabs_design.hpp"
#include "required/slots.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr int kStrip = 9, kInternal = 0, kExternal = 1;
constexpr int kFrameLeft = 240, kFrameWidth = 13905;
constexpr int kLineLeft = 1200, kLineBoxLeft = 3600, kLineUnitLeft = 4560, kLineTop = 720;

struct Rows {
  std::vector<ControlDesign> rows;

  ControlDesign& Add(ControlDesign d) { return rows.emplace_back(d); }
  void Frame(const char* name, int index, int page, int top, int height, unsigned flags = Hidden) {
    Add({.kind = Kind::Frame, .name = name, .index = index, .container = "SSTab1", .containerIndex = kStrip,
         .page = page, .left = kFrameLeft, .top = top, .width = kFrameWidth, .height = height, .flags = flags});
  }
  ControlDesign& In(Kind kind, const char* name, int index, const char* frame, int frameIndex, int left, int top,
                    int width, const char* caption, unsigned flags = NoWrap) {
    return Add({.kind = kind, .name = name, .index = index, .container = frame, .containerIndex = frameIndex,
                .left = left, .top = top, .width = width, .height = kind == Kind::CommandButton ? 315 : 255,
                .caption = caption, .flags = flags});
  }
  void Sub(const char* name, int index, const char* frame, int frameIndex, int left, int top, const char* caption) {
    ControlDesign& d = In(Kind::Label, name, index, frame, frameIndex, left, top + 60, 195, caption);
    d.height = 195;
    d.fontSize = platform::kSubscriptFontSize;
  }
  // "U      =" with its subscript and unit, beside the result box.
  void ResultLine(int frame, int first) {
    In(Kind::Label, "Label89", first, "Frame30", frame, kLineLeft, kLineTop, 1200, "U      =");
    Sub("Label89", first + 1, "Frame30", frame, kLineLeft + 190, kLineTop, "rw");
    In(Kind::Label, "Label89", first + 2, "Frame30", frame, kLineUnitLeft, kLineTop, 285, "kV");
  }
  void Options(int frame, int first, const char* firstCaption, int second, const char* secondCaption) {
    In(Kind::OptionButton, "Option1", first, "Frame36", frame, 600, 240, 4200, firstCaption, 0);
    In(Kind::OptionButton, "Option1", second, "Frame36", frame, 7200, 240, 4200, secondCaption, 0);
  }
};

std::vector<ControlDesign> MakeDesign() {
  Rows r;
  // Internal insulation.
  r.Frame("Frame30", 12, kInternal, 1200, 1400, 0);
  r.In(Kind::Label, "Label89", 0, "Frame30", 12, kKaCaptionLeft, 240, 3600,
       "For internal insulation K   =1,15 hence :");
  r.Sub("Label89", 1, "Frame30", 12, kKaCaptionLeft + 1763, 240, "s");
  r.ResultLine(12, 2);

  // External insulation: the choices.
  r.Frame("Frame36", 4, kExternal, 720, 615);
  r.Options(4, 61, "Calculate Urw", 60, "Ignore Urw");
  r.Frame("Frame36", 3, kExternal, 1500, 615);
  r.Options(3, 56, "Enter atmospheric correction factor (Ka)", 57, "Calculate atmospheric correction factor (Ka)");

  // The typed Ka.
  r.Frame("Frame28", 5, kExternal, 2280, 1500);
  r.In(Kind::Label, "Label89", 5, "Frame28", 5, kKaCaptionLeft, 360, 1800, "Enter K      value");
  r.Sub("Label89", 6, "Frame28", 5, kKaCaptionLeft + 655, 360, "a");
  r.In(Kind::Label, "Label33", 76, "Frame28", 5, kKaBoxLeft + 1080, 360, 2400, "Ka = 1 at sea level");
  r.In(Kind::CommandButton, "Command28", 21, "Frame28", 5, kKaBoxLeft, 780, 900, "OK", Hidden);

  // Ka from the altitude, m = 1.
  r.Frame("Frame30", 13, kExternal, 2280, 1500);
  r.In(Kind::Label, "Label83", platform::kNoIndex, "Frame30", 13, kKaCaptionLeft, 360, 1800, "Enter H value (m)",
       Hidden | NoWrap);
  r.In(Kind::Label, "Label33", 78, "Frame30", 13, kKaCaptionLeft, 780, 2400, "m=1 for lightning impulse",
       Hidden | NoWrap);
  r.In(Kind::Label, "Label85", 7, "Frame30", 13, kKaBoxLeft + 1200, 360, 4200, "Altitude above sea level",
       Hidden | NoWrap)
      .foreColor = platform::kBlue;
  r.In(Kind::CommandButton, "Command28", 20, "Frame30", 13, kKaBoxLeft, 1080, 900, "OK", Hidden);
  AddKaFormula(r.rows, 13, 230, 10);

  // The result.
  r.Frame("Frame30", 14, kExternal, 4020, 1300);
  r.In(Kind::Label, "Label41", 137, "Frame30", 14, kKaCaptionLeft, 240, 3600,
       "For external insulation K   =1,05 hence :");
  r.Sub("Label41", 136, "Frame30", 14, kKaCaptionLeft + 1810, 240, "s");
  r.ResultLine(14, 7);
  return r.rows;
}

ControlDesign Box(int slot, const char* frame, int frameIndex, int left, int top, int maxLength, unsigned flags,
                  std::uint32_t backColor = platform::kSystemColor) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = frame, .containerIndex = frameIndex,
          .left = left, .top = top - 30, .width = 900, .height = 285, .flags = flags, .maxLength = maxLength,
          .backColor = backColor};
}

std::vector<ControlDesign> MakeBoxes() {
  return {
      Box(UrwFfIntCalc, "Frame30", 12, kLineBoxLeft, kLineTop, 6, Locked, platform::kLightYellow),
      Box(AltitudeFf, "Frame30", 13, kKaBoxLeft, 360, 4, Hidden),
      Box(KaFfEntered, "Frame28", 5, kKaBoxLeft, 360, 5, 0),
      Box(UrwFfExtCalc, "Frame30", 14, kLineBoxLeft, kLineTop, 7, Locked, platform::kLightYellow),
  };
}

}  // namespace

std::span<const ControlDesign> RwFastFrontTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> RwFastFrontTabs::ValueStoreRows() {
  static const std::vector<ControlDesign> rows = MakeBoxes();
  return rows;
}

}  // namespace required

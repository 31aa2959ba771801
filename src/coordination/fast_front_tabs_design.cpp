// Design of the co-ordination fast-front tabs, pages 0 and 1 of SSTab1(5):
// the method options across the top, the calculation frame Frame30(3) or (4)
// below them, hidden until a method is chosen, and "<<Back" and "Next >>" at
// the bottom right. Both frames share one layout: the Kcd = 1 formula or the
// statistical formula at the top, the five inputs of the statistical method
// with the help label beside them, and the result row, which the options
// move to its place.

#include <array>
#include <vector>

#include "coordination/slots.hpp"
#include "coordination/fast_front_tabs.hpp"

namespace coordination {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 5;
constexpr int kSubscript = platform::kSubscriptFontSize;

// The options' row, the frame and the buttons on each page.
constexpr int kOptionTop = 720, kDeterministicLeft = 1830, kStatisticalLeft = 6040, kIgnoreLeft = 11550;
constexpr int kFrameLeft = 240, kFrameTop = 1200, kFrameWidth = 13905, kFrameHeight = 4440;
constexpr int kButtonsTop = 6240, kBackLeft = 10800, kNextLeft = 12360;
// Inside a frame: the formulas, then captions, boxes and the help label in rows.
constexpr int kCaptionLeft = 240, kBoxLeft = 2400, kHelpLeft = 4380;
constexpr int kLTop = 1200, kNoteTop = 1560, kLspTop = 1920, kLaTop = 2280, kNTop = 2640, kATop = 3000;
constexpr int kButtonTop = 3360;
constexpr int kResultCaptionLeft = 1800, kResultUnitLeft = 3360, kResultTop = 1200;

constexpr ControlDesign OnTab(Kind kind, const char* name, int index, int page, int left, int top, int width,
                              int height, const char* caption, unsigned flags = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kStrip, .containerIndex = kStripIndex,
          .page = page, .left = left, .top = top, .width = width, .height = height, .caption = caption,
          .flags = flags};
}

constexpr ControlDesign In(Kind kind, const char* name, int index, const char* container, int containerIndex,
                           int left, int top, int width, int height, const char* caption, unsigned flags = Hidden,
                           int fontSize = 0) {
  return {.kind = kind, .name = name, .index = index, .container = container, .containerIndex = containerIndex,
          .left = left, .top = top, .width = width, .height = height, .caption = caption, .flags = flags,
          .fontSize = fontSize};
}

// A label of a frame, hidden until its method shows it.
constexpr ControlDesign Text(const char* name, int index, int frame, int left, int top, int width,
                             const char* caption, unsigned flags = Hidden | NoWrap) {
  return In(Kind::Label, name, index, "Frame30", frame, left, top, width, 255, caption, flags);
}
// A subscript laid into the blank run of the caption before it.
constexpr ControlDesign Sub(const char* name, int index, int frame, int left, int top, int width,
                            const char* caption) {
  return In(Kind::Label, name, index, "Frame30", frame, left, top + 60, width, 195, caption, Hidden | NoWrap,
            kSubscript);
}
// The labels of one frame's formulas, captions and result row, by index.
struct FrameLabels {
  int frame;
  // Kcd = 1: Ucw = Kcd Urp with its subscripts, and Kcd = 1 with its own.
  int kcdFormula, cwSub, cdSub, rpSub, kcdLine, kcdLineSub, kcdShape;
  // Urp = Upl + A L / n(Lsp + La) with its subscripts, line and shape.
  int statFormula, statRpSub, statPlSub, numerator, denominator, spSub, aSub, line, statShape;
  // The input captions, the subscripts of Lsp and La, and the note under L.
  int lCaption, note, lspCaption, lspSub, laCaption, laSub, nCaption, aCaption;
  const char* noteText;
  const char* table;
  int ok;
  // The result row.
  int resultCaption, resultSub, resultUnit;
};

constexpr FrameLabels kFrames[] = {
    {3, 197, 196, 195, 194, 206, 205, 11, 203, 198, 199, 200, 201, 202, 204, 6, 12,
     55, 56, 54, 53, 58, 57, 52, 51, "Lmax = 30m for internal insulation", "Command31", 14, 103, 102, 101},
    {4, 211, 208, 209, 210, 212, 207, 13, 219, 218, 217, 216, 215, 214, 213, 7, 14,
     61, 60, 65, 62, 66, 59, 63, 64, "Lmax = 60m for internal insulation", "Command32", 15, 106, 104, 105},
};

// A formula stands in a box of its own inside the frame; its labels are
// placed from the box's corner.
constexpr ControlDesign InBox(ControlDesign label, int box) {
  label.container = "Shape1";
  label.containerIndex = box;
  label.foreColor = platform::kBlue;
  return label;
}

void AddFrame(std::vector<ControlDesign>& rows, const FrameLabels& f) {
  const int k = f.frame;
  // Kcd = 1: Ucw = Kcd Urp over Kcd = 1; "rp" follows the last U.
  const int d = f.kcdShape;
  rows.push_back(In(Kind::Frame, "Shape1", d, "Frame30", k, 240, 240, 2520, 840, ""));
  rows.push_back(InBox(Text("Label41", f.kcdFormula, k, 240, 120, 1500, "U      = K       U"), d));
  rows.push_back(InBox(Sub("Label41", f.cwSub, k, 405, 120, 195, "cw"), d));
  rows.push_back(InBox(Sub("Label41", f.cdSub, k, 974, 120, 195, "cd"), d));
  rows.push_back(InBox(Sub("Label41", f.rpSub, k, 1350, 120, 195, "rp"), d));
  rows.push_back(InBox(Text("Label41", f.kcdLine, k, 240, 480, 1200, "K        = 1"), d));
  rows.push_back(InBox(Sub("Label41", f.kcdLineSub, k, 463, 480, 195, "cd"), d));

  // Urp = Upl + AL / n(Lsp + La).
  const int s = f.statShape;
  rows.push_back(In(Kind::Frame, "Shape1", s, "Frame30", k, 240, 120, 2700, 900, ""));
  rows.push_back(InBox(Text("Label41", f.statFormula, k, 240, 300, 1080, "U     = U     +"), s));
  rows.push_back(InBox(Sub("Label41", f.statRpSub, k, 405, 300, 165, "rp"), s));
  rows.push_back(InBox(Sub("Label41", f.statPlSub, k, 915, 300, 165, "pl"), s));
  rows.push_back(InBox(Text("Label41", f.numerator, k, 1320, 120, 1080, "AL", Hidden | NoWrap | Centered), s));
  rows.push_back(In(Kind::Line, "Line2", f.line, "Shape1", s, 1320, 390, 1080, 0, ""));
  rows.push_back(InBox(Text("Label41", f.denominator, k, 1320, 450, 1200, "n(L      +L    )"), s));
  rows.push_back(InBox(Sub("Label41", f.spSub, k, 1620, 450, 165, "sp"), s));
  rows.push_back(InBox(Sub("Label41", f.aSub, k, 2055, 450, 120, "a"), s));

  // The inputs' captions; the boxes come with the value store.
  rows.push_back(Text("Label33", f.lCaption, k, kCaptionLeft, kLTop, 1500, "Enter L value (m)"));
  rows.push_back(Text("Label33", f.note, k, kCaptionLeft, kNoteTop, 3600, f.noteText));
  rows.push_back(Text("Label33", f.lspCaption, k, kCaptionLeft, kLspTop, 1800, "Enter L      value (m)"));
  rows.push_back(Sub("Label33", f.lspSub, k, 842, kLspTop, 165, "sp"));
  rows.push_back(Text("Label33", f.laCaption, k, kCaptionLeft, kLaTop, 1800, "Enter L    value (m)"));
  rows.push_back(Sub("Label33", f.laSub, k, 825, kLaTop, 120, "a"));
  rows.push_back(Text("Label33", f.nCaption, k, kCaptionLeft, kNTop, 1500, "Enter n value"));
  rows.push_back(Text("Label33", f.aCaption, k, kCaptionLeft, kATop, 1500, "Enter A value (kV)"));
  rows.push_back(In(Kind::CommandButton, f.table, platform::kNoIndex, "Frame30", k, kCaptionLeft, kButtonTop, 1935,
                    315, "Show table for A"));
  rows.push_back(In(Kind::CommandButton, "Command28", f.ok, "Frame30", k, kBoxLeft, kButtonTop, 900, 315, "OK"));
  ControlDesign help = Text("Label85", k, k, kHelpLeft, kLTop, k == 3 ? 9405 : 9345, "Shor", Hidden);
  help.foreColor = platform::kBlue;
  rows.push_back(help);

  // The result row: its box comes with the value store.
  rows.push_back(Text("Label4", f.resultCaption, k, kResultCaptionLeft, kResultTop, 600, "U       ="));
  rows.push_back(Sub("Label4", f.resultSub, k, kResultCaptionLeft + 195, kResultTop, 195, "cw"));
  rows.push_back(Text("Label4", f.resultUnit, k, kResultUnitLeft, kResultTop, 285, "kV"));
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows = {
      // Internal insulation: two options on the page.
      OnTab(Kind::OptionButton, "Option1", 44, 0, kDeterministicLeft, kOptionTop, 2400, 255, "Deterministic method"),
      OnTab(Kind::OptionButton, "Option1", 45, 0, kStatisticalLeft, kOptionTop, 3000, 255,
            "Statistical simplified method"),
      OnTab(Kind::Frame, "Frame30", 3, 0, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight, "", Hidden),
      OnTab(Kind::CommandButton, "Command29", 13, 0, kBackLeft, kButtonsTop, 1335, 375, "<<Back"),
      OnTab(Kind::CommandButton, "Command29", 12, 0, kNextLeft, kButtonsTop, 1335, 375, "Next >>", Disabled),

      // External insulation: three options in a group of their own.
      OnTab(Kind::Frame, "Frame36", 0, 1, kFrameLeft, kOptionTop - 240, kFrameWidth, 615, ""),
      In(Kind::OptionButton, "Option1", 84, "Frame36", 0, kDeterministicLeft - kFrameLeft, 240, 2400, 255,
         "Deterministic method", 0),
      In(Kind::OptionButton, "Option1", 47, "Frame36", 0, kStatisticalLeft - kFrameLeft, 240, 3000, 255,
         "Statistical simplified method", 0),
      In(Kind::OptionButton, "Option1", 46, "Frame36", 0, kIgnoreLeft - kFrameLeft, 240, 1185, 255, "Ignore", 0),
      OnTab(Kind::Frame, "Frame30", 4, 1, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight, "", Hidden),
      OnTab(Kind::CommandButton, "Command29", 15, 1, kBackLeft, kButtonsTop, 1335, 375, "<<Back"),
      OnTab(Kind::CommandButton, "Command29", 14, 1, kNextLeft, kButtonsTop, 1335, 375, "Next >>", Disabled),
  };
  for (const FrameLabels& f : kFrames) AddFrame(rows, f);
  return rows;
}

// The value-store boxes: the inputs beside their captions, the result in its row.
constexpr ControlDesign Input(int slot, int frame, int top, int maxLength) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30", .containerIndex = frame,
          .left = kBoxLeft, .top = top - 30, .width = 1095, .height = 285, .flags = Hidden,
          .maxLength = maxLength};
}
constexpr ControlDesign Result(int slot, int frame, int maxLength) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame30", .containerIndex = frame,
          .left = kBoxLeft, .top = kResultTop, .width = 900, .height = 285, .flags = Hidden | Locked,
          .maxLength = maxLength, .backColor = platform::kLightYellow};
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    Input(FfIntA, 3, kATop, 8), Input(FfIntN, 3, kNTop, 2), Input(FfIntLsp, 3, kLspTop, 8),
    Input(FfIntL, 3, kLTop, 8), Input(FfIntLa, 3, kLaTop, 8), Result(UcwFfInt, 3, 6),
    Result(UcwFfExt, 4, 7),     Input(FfExtLa, 4, kLaTop, 8), Input(FfExtL, 4, kLTop, 8),
    Input(FfExtLsp, 4, kLspTop, 8), Input(FfExtN, 4, kNTop, 2), Input(FfExtA, 4, kATop, 8),
});

}  // namespace

std::span<const ControlDesign> FastFrontTabs::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> FastFrontTabs::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace coordination

// Design of the co-ordination fast-front tabs, pages 0 and 1 of SSTab1(5):
// the method options across the top, the calculation frame Frame30(3) or (4)
// below them, hidden until a method is chosen, and "<<Back" and "Next >>" at
// the bottom right. Both frames share one layout: the Kcd = 1 formula or the
// statistical formula at the top, the five inputs of the statistical method
// with the help label beside them, and the result row, which the options
// move to its place.

#include <array>

#include "coordination/fast_front_tabs.hpp"
#include "coordination/slots.hpp"
#include "frame/design_kit.hpp"

namespace coordination {

namespace {

namespace kit = frame::design;
using kit::Place;
using platform::ControlDesign;

constexpr Place kInternalTab = kit::TabPage("SSTab1", 5, 0), kExternalTab = kit::TabPage("SSTab1", 5, 1);
constexpr Place kExternalOptions = kit::Inside("Frame36", 0);
constexpr Place CalculationFrame(int index) { return kit::Inside("Frame30", index); }
constexpr Place FormulaBox(int shape) { return kit::Inside("Shape1", shape); }

// The options' row, the frame and the buttons on each page.
constexpr int kOptionTop = 720, kDeterministicLeft = 1830, kStatisticalLeft = 6040, kIgnoreLeft = 11550;
constexpr int kFrameLeft = 240, kFrameTop = 1200, kFrameWidth = 13905, kFrameHeight = 4440;
constexpr int kButtonsTop = 6240, kBackLeft = 10800, kNextLeft = 12360;
// Inside a frame: the formulas, then captions, boxes and the help label in rows.
constexpr int kCaptionLeft = 240, kBoxLeft = 2400, kHelpLeft = 4380;
constexpr int kLTop = 1200, kNoteTop = 1560, kLspTop = 1920, kLaTop = 2280, kNTop = 2640, kATop = 3000;
constexpr int kButtonTop = 3360;
constexpr int kResultCaptionLeft = 1800, kResultUnitLeft = 3360, kResultTop = 1200;
// A subscript stands this much below the top of its caption.
constexpr int kDrop = 60;

// A label of a frame, hidden until its method shows it; in a formula's box it is blue.
constexpr kit::Row FrameText(Place p, const char* name, int index, kit::Rect r, const char* caption) {
  return kit::Label(p, name, index, r, caption).hidden().nowrap();
}
constexpr kit::Row FrameSubscript(Place p, const char* name, int index, int left, int captionTop, int width,
                                  const char* caption) {
  return kit::Subscript(p, name, index, {left, captionTop + kDrop, width, 195}, caption).hidden();
}
constexpr kit::Row FormulaText(int box, int index, kit::Rect r, const char* caption) {
  return FrameText(FormulaBox(box), "Label41", index, r, caption).fore(platform::kBlue);
}
constexpr kit::Row FormulaSubscript(int box, int index, int left, int captionTop, int width, const char* caption) {
  return FrameSubscript(FormulaBox(box), "Label41", index, left, captionTop, width, caption).fore(platform::kBlue);
}

// The labels of one frame's formulas, captions and result row, by index.
struct FrameLabels {
  int frame;
  // Kcd = 1: Ucw = Kcd Urp with its subscripts, and Kcd = 1 with its own.
  int kcdFormula, cwSubscript, cdSubscript, rpSubscript, kcdLine, kcdLineSubscript, kcdShape;
  // Urp = Upl + A L / n(Lsp + La) with its subscripts, line and shape.
  int statisticalFormula, statisticalRpSubscript, plSubscript, numerator, denominator, spSubscript, aSubscript,
      line, statisticalShape;
  // The input captions, the subscripts of Lsp and La, and the note under L.
  int lCaption, note, lspCaption, lspSubscript, laCaption, laSubscript, nCaption, aCaption;
  const char* noteText;
  const char* table;
  int ok;
  int helpWidth;
  // The result row.
  int resultCaption, resultSubscript, resultUnit;
};

constexpr FrameLabels kInternalFrame{3,   197, 196, 195, 194, 206, 205, 11,  203, 198, 199, 200, 201, 202, 204, 6, 12,
                                     55,  56,  54,  53,  58,  57,  52,  51,  "Lmax = 30m for internal insulation",
                                     "Command31", 14, 9405, 103, 102, 101};
constexpr FrameLabels kExternalFrame{4,   211, 208, 209, 210, 212, 207, 13,  219, 218, 217, 216, 215, 214, 213, 7, 14,
                                     61,  60,  65,  62,  66,  59,  63,  64,  "Lmax = 60m for internal insulation",
                                     "Command32", 15, 9345, 106, 104, 105};

constexpr std::array<ControlDesign, 30> CalculationFrameRows(const FrameLabels& labels) {
  const Place calculation = CalculationFrame(labels.frame);
  const int kcd = labels.kcdShape, statistical = labels.statisticalShape;
  return {
      // Kcd = 1: Ucw = Kcd Urp over Kcd = 1; "rp" follows the last U.
      kit::Frame(calculation, "Shape1", kcd, {240, 240, 2520, 840}, "").hidden(),
      FormulaText(kcd, labels.kcdFormula, {240, 120, 1500, 255}, "U      = K       U"),
      FormulaSubscript(kcd, labels.cwSubscript, 405, 120, 195, "cw"),
      FormulaSubscript(kcd, labels.cdSubscript, 974, 120, 195, "cd"),
      FormulaSubscript(kcd, labels.rpSubscript, 1350, 120, 195, "rp"),
      FormulaText(kcd, labels.kcdLine, {240, 480, 1200, 255}, "K        = 1"),
      FormulaSubscript(kcd, labels.kcdLineSubscript, 463, 480, 195, "cd"),

      // Urp = Upl + AL / n(Lsp + La).
      kit::Frame(calculation, "Shape1", statistical, {240, 120, 2700, 900}, "").hidden(),
      FormulaText(statistical, labels.statisticalFormula, {240, 300, 1080, 255}, "U     = U     +"),
      FormulaSubscript(statistical, labels.statisticalRpSubscript, 405, 300, 165, "rp"),
      FormulaSubscript(statistical, labels.plSubscript, 915, 300, 165, "pl"),
      FormulaText(statistical, labels.numerator, {1320, 120, 1080, 255}, "AL").centered(),
      kit::Line(FormulaBox(statistical), "Line2", labels.line, {1320, 390, 1080, 0}).hidden(),
      FormulaText(statistical, labels.denominator, {1320, 450, 1200, 255}, "n(L      +L    )"),
      FormulaSubscript(statistical, labels.spSubscript, 1620, 450, 165, "sp"),
      FormulaSubscript(statistical, labels.aSubscript, 2055, 450, 120, "a"),

      // The inputs' captions; the boxes come with the value store.
      FrameText(calculation, "Label33", labels.lCaption, {kCaptionLeft, kLTop, 1500, 255}, "Enter L value (m)"),
      FrameText(calculation, "Label33", labels.note, {kCaptionLeft, kNoteTop, 3600, 255}, labels.noteText),
      FrameText(calculation, "Label33", labels.lspCaption, {kCaptionLeft, kLspTop, 1800, 255}, "Enter L      value (m)"),
      FrameSubscript(calculation, "Label33", labels.lspSubscript, 842, kLspTop, 165, "sp"),
      FrameText(calculation, "Label33", labels.laCaption, {kCaptionLeft, kLaTop, 1800, 255}, "Enter L    value (m)"),
      FrameSubscript(calculation, "Label33", labels.laSubscript, 825, kLaTop, 120, "a"),
      FrameText(calculation, "Label33", labels.nCaption, {kCaptionLeft, kNTop, 1500, 255}, "Enter n value"),
      FrameText(calculation, "Label33", labels.aCaption, {kCaptionLeft, kATop, 1500, 255}, "Enter A value (kV)"),
      kit::Button(calculation, labels.table, platform::kNoIndex, {kCaptionLeft, kButtonTop, 1935, 315}, "Show table for A")
          .hidden(),
      kit::Button(calculation, "Command28", labels.ok, {kBoxLeft, kButtonTop, 900, 315}, "OK").hidden(),
      // The help of the captions, one line level with the caption hovered.
      kit::Label(calculation, "Label85", labels.frame, {kHelpLeft, kLTop, labels.helpWidth, 255}, "Shor")
          .hidden()
          .fore(platform::kBlue),

      // The result row: its box comes with the value store.
      FrameText(calculation, "Label4", labels.resultCaption, {kResultCaptionLeft, kResultTop, 600, 255}, "U       ="),
      FrameSubscript(calculation, "Label4", labels.resultSubscript, kResultCaptionLeft + 195, kResultTop, 195, "cw"),
      FrameText(calculation, "Label4", labels.resultUnit, {kResultUnitLeft, kResultTop, 285, 255}, "kV"),
  };
}

constexpr auto kDesign = kit::Join(
    // Internal insulation: two options on the page.
    std::to_array<ControlDesign>({
        kit::Option(kInternalTab, 44, {kDeterministicLeft, kOptionTop, 2400, 255}, "Deterministic method"),
        kit::Option(kInternalTab, 45, {kStatisticalLeft, kOptionTop, 3000, 255}, "Statistical simplified method"),
        kit::Frame(kInternalTab, "Frame30", 3, {kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight}, "").hidden(),
        kit::Button(kInternalTab, "Command29", 13, {kBackLeft, kButtonsTop, 1335, 375}, "<<Back"),
        kit::Button(kInternalTab, "Command29", 12, {kNextLeft, kButtonsTop, 1335, 375}, "Next >>").disabled(),

        // External insulation: three options in a group of their own.
        kit::Frame(kExternalTab, "Frame36", 0, {kFrameLeft, kOptionTop - 240, kFrameWidth, 615}, ""),
        kit::Option(kExternalOptions, 84, {kDeterministicLeft - kFrameLeft, 240, 2400, 255}, "Deterministic method"),
        kit::Option(kExternalOptions, 47, {kStatisticalLeft - kFrameLeft, 240, 3000, 255},
                    "Statistical simplified method"),
        kit::Option(kExternalOptions, 46, {kIgnoreLeft - kFrameLeft, 240, 1185, 255}, "Ignore"),
        kit::Frame(kExternalTab, "Frame30", 4, {kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight}, "").hidden(),
        kit::Button(kExternalTab, "Command29", 15, {kBackLeft, kButtonsTop, 1335, 375}, "<<Back"),
        kit::Button(kExternalTab, "Command29", 14, {kNextLeft, kButtonsTop, 1335, 375}, "Next >>").disabled(),
    }),
    CalculationFrameRows(kInternalFrame), CalculationFrameRows(kExternalFrame));

// The value-store boxes: the inputs beside their captions, the result in its row.
constexpr kit::Row InputBox(int slot, int frame, int captionTop, int maxLength) {
  return kit::Box(CalculationFrame(frame), slot, {kBoxLeft, captionTop - 30, 1095, 285}).hidden().length(maxLength);
}
constexpr kit::Row ResultBox(int slot, int frame, int maxLength) {
  return kit::Box(CalculationFrame(frame), slot, {kBoxLeft, kResultTop, 900, 285})
      .hidden()
      .length(maxLength)
      .readOnly();
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    InputBox(FfIntA, 3, kATop, 8),     InputBox(FfIntN, 3, kNTop, 2),   InputBox(FfIntLsp, 3, kLspTop, 8),
    InputBox(FfIntL, 3, kLTop, 8),     InputBox(FfIntLa, 3, kLaTop, 8), ResultBox(UcwFfInt, 3, 6),
    ResultBox(UcwFfExt, 4, 7),         InputBox(FfExtLa, 4, kLaTop, 8), InputBox(FfExtL, 4, kLTop, 8),
    InputBox(FfExtLsp, 4, kLspTop, 8), InputBox(FfExtN, 4, kNTop, 2),   InputBox(FfExtA, 4, kATop, 8),
});

}  // namespace

std::span<const ControlDesign> FastFrontTabs::Design() { return kDesign; }

std::span<const ControlDesign> FastFrontTabs::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace coordination

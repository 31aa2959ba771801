// Design of the conversion strips on the conversion page: SSTab1(10) with
// the switching impulse conversion of internal and external insulation
// (Range II), SSTab1(11) with the short-duration power-frequency and
// lightning impulse conversions (Range I). Each conversion sits in a frame
// of its own: the Kt entry at the top (on the external tab of Range I with
// the choice of typed or calculated factors above it), the "OK" beside the
// last Kt box, the two result rows below. Each tab has the note on ignoring
// a conversion under its frames and the table of the factors on the right.

#include <array>

#include "frame/design_kit.hpp"
#include "required/conversion_tabs.hpp"

namespace required {

namespace {

namespace kit = frame::design;
using platform::ControlDesign;

constexpr int kSiwStrip = 10, kSdwLiwStrip = 11;

// Frames on their tabs, the note under them and the table on the right.
constexpr int kFrameLeft = 240, kFrameTop = 600, kFrameWidth = 6600;
constexpr int kTableLeft = 7080, kTableTop = 600, kTableWidth = 7080;
// Inside a frame: the captions, the Kt boxes, the "OK" and the result boxes in columns.
constexpr int kCaptionLeft = 240, kKtBoxLeft = 3360, kOkLeft = 4080, kResultBoxLeft = 3360, kUnitLeft = 4380;
constexpr int kKtWidth = 600, kResultWidth = 900, kBoxHeight = 285, kRaise = 30;
// Rows of a frame with one Kt, and of a frame with a choice and two Kt.
constexpr int kKtTop = 480, kPeTop = 1080, kPpTop = 1560, kOneKtFrameHeight = 2040;
constexpr int kOptionTop = 360, kKtPeTop = 840, kKtPpTop = 1260, kChoicePeTop = 1800, kChoicePpTop = 2250;
constexpr int kChoiceFrameHeight = 2760;
// The subscript "t" after the K of a Kt caption, and in the blank run of "K   (p-e)".
constexpr int kAfterKLeft = 2460, kInRunLeft = 2452;

constexpr const char* kIgnoreNote =
    "Converted overvoltages may be ignored. In that case put test convesion factor equal to zero.";
constexpr const char* kEnterKt = "Enter test conversion factor K";
constexpr const char* kCalculatedKt = "Calculated Kt (IEC 71-2:1996,  Table 2,  p.93)";

constexpr kit::Place InFrame(int frame) { return kit::Inside("Frame37", frame); }

constexpr kit::Row Caption(int frame, int index, int top, int width, const char* caption) {
  return kit::Label(InFrame(frame), "Label4", index, {kCaptionLeft, top, width, 255}, caption).nowrap();
}
constexpr kit::Row SubscriptT(int frame, int index, int left, int top) {
  return kit::Subscript(InFrame(frame), "Label4", index, {left, top + 60, 120, 195}, "t");
}
constexpr kit::Row Ok(int frame, int index, int top) {
  return kit::Button(InFrame(frame), "Command28", index, {kOkLeft, top - kRaise - 15, 900, 315}, "OK").hidden();
}

// The result rows of a frame: caption and unit (the box comes with the value store).
struct ResultRows {
  const char* const* names;  // phase to earth, phase to phase
  int peCaption, peUnit, ppCaption, ppUnit;
  int peTop, ppTop;
};
constexpr const char* kSiw[] = {"SIW (phase to earth)", "SIW (phase to phase)"};
constexpr const char* kSdw[] = {"SDW (phase to earth)", "SDW (phase to phase)"};
constexpr const char* kLiw[] = {"LIW (phase to earth)", "LIW (phase to phase)"};

constexpr std::array<ControlDesign, 4> Results(int frame, const ResultRows& rows) {
  const auto unit = [frame](int index, int top) {
    return kit::Label(InFrame(frame), "Label4", index, {kUnitLeft, top, 285, 255}, "kV").hidden();
  };
  return {Caption(frame, rows.peCaption, rows.peTop, 2400, rows.names[0]).hidden(), unit(rows.peUnit, rows.peTop),
          Caption(frame, rows.ppCaption, rows.ppTop, 2400, rows.names[1]).hidden(), unit(rows.ppUnit, rows.ppTop)};
}

// A frame with one Kt for both results.
struct OneKtFrame {
  int strip, tab, frame, top;
  const char* caption;
  bool hidden;
  int ktCaption, ktSubscript, ok;
  ResultRows results;
};

constexpr auto FrameWithOneKt(const OneKtFrame& f) {
  const kit::Row frame = kit::Frame(kit::TabPage("SSTab1", f.strip, f.tab), "Frame37", f.frame,
                                    {kFrameLeft, f.top, kFrameWidth, kOneKtFrameHeight}, f.caption);
  return kit::Join(std::array<ControlDesign, 4>{f.hidden ? frame.hidden() : frame,
                                                Caption(f.frame, f.ktCaption, kKtTop, 2880, kEnterKt),
                                                SubscriptT(f.frame, f.ktSubscript, kAfterKLeft, kKtTop),
                                                Ok(f.frame, f.ok, kKtTop)},
                   Results(f.frame, f.results));
}

// A frame of the external tab of Range I: the choice, two Kt, their "OK".
struct ChoiceFrame {
  int frame, top;
  const char* caption;
  bool hidden;
  int enterOption, calculateOption;
  int peCaption, peSubscript, ppCaption, ppSubscript, ok;
  ResultRows results;
};

constexpr auto FrameWithChoice(const ChoiceFrame& f) {
  const kit::Row frame = kit::Frame(kit::TabPage("SSTab1", kSdwLiwStrip, 1), "Frame37", f.frame,
                                    {kFrameLeft, f.top, kFrameWidth, kChoiceFrameHeight}, f.caption);
  return kit::Join(
      std::array<ControlDesign, 8>{
          f.hidden ? frame.hidden() : frame,
          kit::Option(InFrame(f.frame), f.enterOption, {kCaptionLeft, kOptionTop, 1200, 255}, "Enter Kt"),
          kit::Option(InFrame(f.frame), f.calculateOption, {1680, kOptionTop, 4200, 255}, kCalculatedKt),
          Caption(f.frame, f.peCaption, kKtPeTop, 2880, "Enter test conversion factor K   (p-e)").hidden(),
          SubscriptT(f.frame, f.peSubscript, kInRunLeft, kKtPeTop).hidden(),
          Caption(f.frame, f.ppCaption, kKtPpTop, 2880, "Enter test conversion factor K   (p-p)").hidden(),
          SubscriptT(f.frame, f.ppSubscript, kInRunLeft, kKtPpTop).hidden(),
          Ok(f.frame, f.ok, kKtPpTop)},
      Results(f.frame, f.results));
}

// The note and the factor table of a tab.
constexpr std::array<ControlDesign, 2> NoteAndTable(int strip, int tab, int note, int noteTop, int table,
                                                    int tableHeight, const char* picture) {
  const kit::Place p = kit::TabPage("SSTab1", strip, tab);
  return {kit::Label(p, "Label84", note, {kFrameLeft, noteTop, kFrameWidth, 495}, kIgnoreNote),
          kit::Picture(p, "Image6", table, {kTableLeft, kTableTop, kTableWidth, tableHeight}, picture)};
}

constexpr const char* kSiwCaption = "Conversion to switching impulse withstand voltages (SIW)";
constexpr int kUnderOneFrame = kFrameTop + kOneKtFrameHeight + 360, kSecondFrameTop = kUnderOneFrame;
constexpr int kSecondChoiceFrameTop = kFrameTop + kChoiceFrameHeight + 360;

constexpr auto kControls = kit::Join(
    FrameWithOneKt({kSiwStrip, 0, 0, kFrameTop, kSiwCaption, false, 193, 194, 22,
                    {kSiw, 196, 198, 197, 199, kPeTop, kPpTop}}),
    FrameWithOneKt({kSiwStrip, 1, 1, kFrameTop, kSiwCaption, false, 206, 205, 23,
                    {kSiw, 203, 201, 202, 200, kPeTop, kPpTop}}),
    FrameWithOneKt({kSdwLiwStrip, 0, 2, kFrameTop,
                    "Conversion to short duration power frequency withstand voltage (SDW)", false, 213, 212, 24,
                    {kSdw, 210, 208, 209, 207, kPeTop, kPpTop}}),
    FrameWithOneKt({kSdwLiwStrip, 0, 3, kSecondFrameTop, "Conversion to lightning impulse withstand voltages (LIW)",
                    true, 220, 219, 25, {kLiw, 217, 215, 216, 214, kPeTop, kPpTop}}),
    FrameWithChoice({4, kFrameTop, "Conversion to short duration power frequency withstand voltages (SDW)", false, 50,
                     51, 235, 236, 221, 222, 26, {kSdw, 224, 226, 225, 227, kChoicePeTop, kChoicePpTop}}),
    FrameWithChoice({5, kSecondChoiceFrameTop, "Conversion to lightning impulse withstand voltages (LIW)", true, 58,
                     59, 237, 238, 228, 229, 27, {kLiw, 231, 233, 232, 234, kChoicePeTop, kChoicePpTop}}),
    NoteAndTable(kSiwStrip, 0, 3, kUnderOneFrame, 2, 3420, "conversion_siw_internal"),
    NoteAndTable(kSiwStrip, 1, 4, kUnderOneFrame, 3, 3090, "conversion_siw_external"),
    NoteAndTable(kSdwLiwStrip, 0, 1, kSecondFrameTop + kOneKtFrameHeight + 360, 0, 3690,
                 "conversion_sdw_liw_internal"),
    NoteAndTable(kSdwLiwStrip, 1, 2, kSecondChoiceFrameTop + kChoiceFrameHeight + 360, 1, 4350,
                 "conversion_sdw_liw_external"));

// The value-store boxes: the typed factors and the results, in their frames.
constexpr kit::Row Kt(int slot, int frame, int top) {
  return kit::Box(InFrame(frame), slot, {kKtBoxLeft, top - kRaise, kKtWidth, kBoxHeight}).length(4);
}
constexpr kit::Row Result(int slot, int frame, int top) {
  return kit::Box(InFrame(frame), slot, {kResultBoxLeft, top - kRaise, kResultWidth, kBoxHeight})
      .hidden()
      .length(6)
      .readOnly();
}

constexpr ControlDesign kValueStoreRows[] = {
    Kt(189, 0, kKtTop),             Result(190, 0, kPeTop),       Result(191, 0, kPpTop),
    Result(192, 1, kPpTop),         Result(193, 1, kPeTop),       Kt(194, 1, kKtTop),
    Result(195, 2, kPpTop),         Result(196, 2, kPeTop),       Kt(197, 2, kKtTop),
    Result(198, 3, kPpTop),         Result(199, 3, kPeTop),       Kt(200, 3, kKtTop),
    Kt(201, 4, kKtPpTop).hidden(),  Result(202, 4, kChoicePeTop), Result(203, 4, kChoicePpTop),
    Kt(204, 5, kKtPpTop).hidden(),  Result(205, 5, kChoicePeTop), Result(206, 5, kChoicePpTop),
    Kt(207, 4, kKtPeTop).hidden(),  Kt(208, 5, kKtPeTop).hidden(),
};

}  // namespace

std::span<const ControlDesign> ConversionTabs::Design() { return kControls; }

std::span<const ControlDesign> ConversionTabs::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace required

// Design of the conversion strips on the conversion page: SSTab1(10) with
// the switching impulse conversion of internal and external insulation
// (Range II), SSTab1(11) with the short-duration power-frequency and
// lightning impulse conversions (Range I). Each conversion sits in a frame
// of its own: the Kt entry at the top (on the external tab of Range I with
// the choice of typed or calculated factors above it), the "OK" beside the
// last Kt box, the two result rows below. Each tab has the note on ignoring
// a conversion under its frames and the table of the factors on the right.

#include <vector>

#include "required/conversion_tabs.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kStrip = "SSTab1";
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
constexpr int kSubscriptDrop = 60, kAfterKLeft = 2460, kInRunLeft = 2452;

constexpr const char* kIgnoreNote =
    "Converted overvoltages may be ignored. In that case put test convesion factor equal to zero.";
constexpr const char* kEnterKt = "Enter test conversion factor K";
constexpr const char* kCalculatedKt = "Calculated Kt (IEC 71-2:1996,  Table 2,  p.93)";

constexpr ControlDesign OnTab(Kind kind, const char* name, int index, int strip, int page, int left, int top,
                              int width, int height, const char* caption, unsigned flags = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kStrip, .containerIndex = strip, .page = page,
          .left = left, .top = top, .width = width, .height = height, .caption = caption, .flags = flags};
}

constexpr ControlDesign InFrame(Kind kind, const char* name, int index, int frame, int left, int top, int width,
                                int height, const char* caption, unsigned flags = 0, int fontSize = 0) {
  return {.kind = kind, .name = name, .index = index, .container = "Frame37", .containerIndex = frame, .left = left,
          .top = top, .width = width, .height = height, .caption = caption, .flags = flags, .fontSize = fontSize};
}

constexpr ControlDesign Caption(int index, int frame, int top, int width, const char* caption, unsigned flags = 0) {
  return InFrame(Kind::Label, "Label4", index, frame, kCaptionLeft, top, width, 255, caption, flags | NoWrap);
}

constexpr ControlDesign SubscriptT(int index, int frame, int left, int top, unsigned flags = 0) {
  return InFrame(Kind::Label, "Label4", index, frame, left, top + kSubscriptDrop, 120, 195, "t", flags | NoWrap,
                 platform::kSubscriptFontSize);
}

// The result rows of a frame: caption, unit, box (the box comes with the value store).
struct ResultRows {
  int frame;
  const char* const* names;  // phase to earth, phase to phase
  int peCaption, peUnit, ppCaption, ppUnit;
  int peTop, ppTop;
};
constexpr const char* kSiw[] = {"SIW (phase to earth)", "SIW (phase to phase)"};
constexpr const char* kSdw[] = {"SDW (phase to earth)", "SDW (phase to phase)"};
constexpr const char* kLiw[] = {"LIW (phase to earth)", "LIW (phase to phase)"};

void AddResultRows(std::vector<ControlDesign>& rows, const ResultRows& r) {
  rows.push_back(Caption(r.peCaption, r.frame, r.peTop, 2400, r.names[0], Hidden));
  rows.push_back(InFrame(Kind::Label, "Label4", r.peUnit, r.frame, kUnitLeft, r.peTop, 285, 255, "kV", Hidden));
  rows.push_back(Caption(r.ppCaption, r.frame, r.ppTop, 2400, r.names[1], Hidden));
  rows.push_back(InFrame(Kind::Label, "Label4", r.ppUnit, r.frame, kUnitLeft, r.ppTop, 285, 255, "kV", Hidden));
}

// A frame with one Kt for both results.
struct OneKtFrame {
  int strip, page, frame, top;
  const char* caption;
  unsigned flags;
  int ktCaption, ktSubscript, ok;
  ResultRows results;
};

void AddOneKtFrame(std::vector<ControlDesign>& rows, const OneKtFrame& f) {
  rows.push_back(OnTab(Kind::Frame, "Frame37", f.frame, f.strip, f.page, kFrameLeft, f.top, kFrameWidth,
                       kOneKtFrameHeight, f.caption, f.flags));
  rows.push_back(Caption(f.ktCaption, f.frame, kKtTop, 2880, kEnterKt));
  rows.push_back(SubscriptT(f.ktSubscript, f.frame, kAfterKLeft, kKtTop));
  rows.push_back(InFrame(Kind::CommandButton, "Command28", f.ok, f.frame, kOkLeft, kKtTop - kRaise - 15, 900, 315,
                         "OK", Hidden));
  AddResultRows(rows, f.results);
}

// A frame of the external tab of Range I: the choice, two Kt, their "OK".
struct ChoiceFrame {
  int frame, top;
  const char* caption;
  unsigned flags;
  int enterOption, calculateOption;
  int peCaption, peSubscript, ppCaption, ppSubscript, ok;
  ResultRows results;
};

void AddChoiceFrame(std::vector<ControlDesign>& rows, const ChoiceFrame& f) {
  rows.push_back(OnTab(Kind::Frame, "Frame37", f.frame, kSdwLiwStrip, 1, kFrameLeft, f.top, kFrameWidth,
                       kChoiceFrameHeight, f.caption, f.flags));
  rows.push_back(InFrame(Kind::OptionButton, "Option1", f.enterOption, f.frame, kCaptionLeft, kOptionTop, 1200, 255,
                         "Enter Kt"));
  rows.push_back(InFrame(Kind::OptionButton, "Option1", f.calculateOption, f.frame, 1680, kOptionTop, 4200, 255,
                         kCalculatedKt));
  rows.push_back(Caption(f.peCaption, f.frame, kKtPeTop, 2880, "Enter test conversion factor K   (p-e)", Hidden));
  rows.push_back(SubscriptT(f.peSubscript, f.frame, kInRunLeft, kKtPeTop, Hidden));
  rows.push_back(Caption(f.ppCaption, f.frame, kKtPpTop, 2880, "Enter test conversion factor K   (p-p)", Hidden));
  rows.push_back(SubscriptT(f.ppSubscript, f.frame, kInRunLeft, kKtPpTop, Hidden));
  rows.push_back(InFrame(Kind::CommandButton, "Command28", f.ok, f.frame, kOkLeft, kKtPpTop - kRaise - 15, 900, 315,
                         "OK", Hidden));
  AddResultRows(rows, f.results);
}

// The note and the factor table of a tab.
void AddNoteAndTable(std::vector<ControlDesign>& rows, int strip, int page, int note, int noteTop, int table,
                     int tableHeight, const char* picture) {
  rows.push_back(OnTab(Kind::Label, "Label84", note, strip, page, kFrameLeft, noteTop, kFrameWidth, 495,
                       kIgnoreNote));
  rows.push_back(OnTab(Kind::Image, "Image6", table, strip, page, kTableLeft, kTableTop, kTableWidth, tableHeight,
                       picture));
}

constexpr const char* kSiwCaption = "Conversion to switching impulse withstand voltages (SIW)";
constexpr int kSecondFrameTop = kFrameTop + kOneKtFrameHeight + 360;
constexpr int kSecondChoiceFrameTop = kFrameTop + kChoiceFrameHeight + 360;

constexpr OneKtFrame kOneKtFrames[] = {
    {kSiwStrip, 0, 0, kFrameTop, kSiwCaption, 0, 193, 194, 22, {0, kSiw, 196, 198, 197, 199, kPeTop, kPpTop}},
    {kSiwStrip, 1, 1, kFrameTop, kSiwCaption, 0, 206, 205, 23, {1, kSiw, 203, 201, 202, 200, kPeTop, kPpTop}},
    {kSdwLiwStrip, 0, 2, kFrameTop, "Conversion to short duration power frequency withstand voltage (SDW)", 0, 213,
     212, 24, {2, kSdw, 210, 208, 209, 207, kPeTop, kPpTop}},
    {kSdwLiwStrip, 0, 3, kSecondFrameTop, "Conversion to lightning impulse withstand voltages (LIW)", Hidden, 220,
     219, 25, {3, kLiw, 217, 215, 216, 214, kPeTop, kPpTop}},
};

constexpr ChoiceFrame kChoiceFrames[] = {
    {4, kFrameTop, "Conversion to short duration power frequency withstand voltages (SDW)", 0, 50, 51, 235, 236, 221,
     222, 26, {4, kSdw, 224, 226, 225, 227, kChoicePeTop, kChoicePpTop}},
    {5, kSecondChoiceFrameTop, "Conversion to lightning impulse withstand voltages (LIW)", Hidden, 58, 59, 237, 238,
     228, 229, 27, {5, kLiw, 231, 233, 232, 234, kChoicePeTop, kChoicePpTop}},
};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  for (const OneKtFrame& f : kOneKtFrames) AddOneKtFrame(rows, f);
  for (const ChoiceFrame& f : kChoiceFrames) AddChoiceFrame(rows, f);
  const int oneFrameNote = kFrameTop + kOneKtFrameHeight + 360;
  AddNoteAndTable(rows, kSiwStrip, 0, 3, oneFrameNote, 2, 3420, "conversion_siw_internal");
  AddNoteAndTable(rows, kSiwStrip, 1, 4, oneFrameNote, 3, 3090, "conversion_siw_external");
  AddNoteAndTable(rows, kSdwLiwStrip, 0, 1, kSecondFrameTop + kOneKtFrameHeight + 360, 0, 3690,
                  "conversion_sdw_liw_internal");
  AddNoteAndTable(rows, kSdwLiwStrip, 1, 2, kSecondChoiceFrameTop + kChoiceFrameHeight + 360, 1, 4350,
                  "conversion_sdw_liw_external");
  return rows;
}

// The value-store boxes: the typed factors and the results, in their frames.
constexpr ControlDesign Kt(int slot, int frame, int top, unsigned flags = 0) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame37", .containerIndex = frame,
          .left = kKtBoxLeft, .top = top - kRaise, .width = kKtWidth, .height = kBoxHeight, .flags = flags,
          .maxLength = 4};
}
constexpr ControlDesign Result(int slot, int frame, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = "Frame37", .containerIndex = frame,
          .left = kResultBoxLeft, .top = top - kRaise, .width = kResultWidth, .height = kBoxHeight,
          .flags = Hidden | Locked, .maxLength = 6, .backColor = platform::kLightYellow};
}

const ControlDesign kValueStoreRows[] = {
    Kt(189, 0, kKtTop),           Result(190, 0, kPeTop),        Result(191, 0, kPpTop),
    Result(192, 1, kPpTop),       Result(193, 1, kPeTop),        Kt(194, 1, kKtTop),
    Result(195, 2, kPpTop),       Result(196, 2, kPeTop),        Kt(197, 2, kKtTop),
    Result(198, 3, kPpTop),       Result(199, 3, kPeTop),        Kt(200, 3, kKtTop),
    Kt(201, 4, kKtPpTop, Hidden), Result(202, 4, kChoicePeTop),  Result(203, 4, kChoicePpTop),
    Kt(204, 5, kKtPpTop, Hidden), Result(205, 5, kChoicePeTop),  Result(206, 5, kChoicePpTop),
    Kt(207, 4, kKtPeTop, Hidden), Kt(208, 5, kKtPeTop, Hidden),
};

}  // namespace

std::span<const ControlDesign> KtConversions::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> KtConversions::ValueStoreRows() { return kValueStoreRows; }

}  // namespace required

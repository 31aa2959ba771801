// Design of the conversion strip on the conversion page: SSTab1(10) with
// the switching impulse conversion of internal and external insulation
// (Range II). Each conversion sits in a frame of its own: the Kt entry at
// the top, the "OK" beside the Kt box, the two result rows below. Each tab
// has the note on ignoring a conversion under its frame and the table of the
// factors on the right.

#include <vector>

#include "required/conversion_kt.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kStrip = "SSTab1";
constexpr int kSiwStrip = 10;

// Frames on their tabs, the note under them and the table on the right.
constexpr int kFrameLeft = 240, kFrameTop = 600, kFrameWidth = 6600;
constexpr int kTableLeft = 7080, kTableTop = 600, kTableWidth = 7080;
// Inside a frame: the captions, the Kt boxes, the "OK" and the result boxes in columns.
constexpr int kCaptionLeft = 240, kKtBoxLeft = 3360, kOkLeft = 4080, kResultBoxLeft = 3360, kUnitLeft = 4380;
constexpr int kKtWidth = 600, kResultWidth = 900, kBoxHeight = 285, kRaise = 30;
// Rows of a frame with one Kt.
constexpr int kKtTop = 480, kPeTop = 1080, kPpTop = 1560, kOneKtFrameHeight = 2040;
// The subscript "t" after the K of a Kt caption.
constexpr int kSubscriptDrop = 60, kAfterKLeft = 2460;

constexpr const char* kIgnoreNote =
    "Converted overvoltages may be ignored. In that case put test convesion factor equal to zero.";
constexpr const char* kEnterKt = "Enter test conversion factor K";

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

// The note and the factor table of a tab.
void AddNoteAndTable(std::vector<ControlDesign>& rows, int strip, int page, int note, int noteTop, int table,
                     int tableHeight, const char* picture) {
  rows.push_back(OnTab(Kind::Label, "Label84", note, strip, page, kFrameLeft, noteTop, kFrameWidth, 495,
                       kIgnoreNote));
  rows.push_back(OnTab(Kind::Image, "Image6", table, strip, page, kTableLeft, kTableTop, kTableWidth, tableHeight,
                       picture));
}

constexpr const char* kSiwCaption = "Conversion to switching impulse withstand voltages (SIW)";

constexpr OneKtFrame kOneKtFrames[] = {
    {kSiwStrip, 0, 0, kFrameTop, kSiwCaption, 0, 193, 194, 22, {0, kSiw, 196, 198, 197, 199, kPeTop, kPpTop}},
    {kSiwStrip, 1, 1, kFrameTop, kSiwCaption, 0, 206, 205, 23, {1, kSiw, 203, 201, 202, 200, kPeTop, kPpTop}},
};

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  for (const OneKtFrame& f : kOneKtFrames) AddOneKtFrame(rows, f);
  const int oneFrameNote = kFrameTop + kOneKtFrameHeight + 360;
  AddNoteAndTable(rows, kSiwStrip, 0, 3, oneFrameNote, 2, 3420, "conversion_siw_internal");
  AddNoteAndTable(rows, kSiwStrip, 1, 4, oneFrameNote, 3, 3090, "conversion_siw_external");
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
};

}  // namespace

std::span<const ControlDesign> KtConversions::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> KtConversions::ValueStoreRows() { return kValueStoreRows; }

}  // namespace required

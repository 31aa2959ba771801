// Design of the tab "Choose Urp value", page 3 of SSTab1(2): four columns of
// candidates, then the chosen one and the strip's last two buttons.

#include <vector>

#include "surge/choose_urp_tab.hpp"
#include "surge/slots.hpp"
#include "surge/formula_display.hpp"

namespace surge {

namespace {

using platform::ControlDesign;
using platform::Kind;
using enum platform::DesignFlag;

constexpr const char* kStrip = "SSTab1";
constexpr int kStripIndex = 2, kPage = 3;
constexpr int kSubscript = platform::kSubscriptFontSize;

// Columns from the left: Formula I, II, III and the entered value.
constexpr int kColumns = 4;
constexpr int ColumnLeft(int column) { return 480 + column * 3480; }
constexpr int kColumnWidth = 3240;
constexpr int kRowTop = 1860, kBoxOffset = 1800, kUnitOffset = 2760, kSubscriptOffset = 1155;

// The entered value's column has no formula; the first column's row caption
// is shorter and stands further right, so both put "U" at the same place.
constexpr int kHeading[kColumns] = {59, 58, 57, 56};
constexpr const char* kHeadingText[kColumns] = {"Formula I", "Formula II", "Formula III", "Entered value"};
constexpr const char* kRowCaption[kColumns] = {"        U      value", "           U      value",
                                               "           U      value", "           U      value"};
constexpr int kRowCaptionOffset[kColumns] = {585, 450, 450, 450};

ControlDesign OnTab(Kind kind, const char* name, int index, int left, int top, int width, int height,
                    const char* caption, unsigned flags = 0, int fontSize = 0) {
  return {.kind = kind, .name = name, .index = index, .container = kStrip, .containerIndex = kStripIndex,
          .page = kPage, .left = left, .top = top, .width = width, .height = height, .caption = caption,
          .flags = flags, .fontSize = fontSize};
}

std::vector<ControlDesign> MakeDesign() {
  std::vector<ControlDesign> rows;
  int formulaLabel = 0;
  for (int c = 0; c < kColumns; ++c) {
    const int x = ColumnLeft(c);
    rows.push_back(OnTab(Kind::Label, "Label41", kHeading[c], x, 480, kColumnWidth, 285, kHeadingText[c],
                         Bold | Centered | NoWrap));
    if (c < 3) {
      const Formula formula = static_cast<Formula>(c);
      DrawFormula(rows, formula, {kStrip, kStripIndex, kPage, x + 660, 960, "lblChoiceFormula", formulaLabel, "linChoiceFraction", c});
      formulaLabel += FormulaLabelCount(formula);
    }
    rows.push_back(OnTab(Kind::Label, "Label79", 6 + c, x + kRowCaptionOffset[c], kRowTop,
                         kBoxOffset - 30 - kRowCaptionOffset[c], 255, kRowCaption[c], NoWrap));
    rows.push_back(OnTab(Kind::Label, "Label75", 6 + c, x + kSubscriptOffset, kRowTop + 60, 150, 195, "rp", NoWrap,
                         kSubscript));
    rows.push_back(OnTab(Kind::Label, "lblKV", 15 + c, x + kUnitOffset, kRowTop, 255, 255, "kV"));
    rows.push_back(OnTab(Kind::CommandButton, "Command28", 6 + c, x + kBoxOffset, 2340, 900, 315, "Accept"));
  }

  // The choice: caption and row, hidden until an "Accept".
  ControlDesign chosen =
      OnTab(Kind::Label, "Label41", 60, 4920, 3000, 4605, 330, "Formula I chosen", Hidden | Bold | Underlined | Centered, 10);
  chosen.foreColor = platform::kPurple;
  rows.push_back(chosen);
  rows.push_back(OnTab(Kind::Label, "Label79", 10, 5475, 3540, 1440, 255, "           U      value =", Hidden | NoWrap));
  rows.push_back(OnTab(Kind::Label, "Label75", 10, 6173, 3600, 150, 195, "rp", Hidden | NoWrap, kSubscript));
  rows.push_back(OnTab(Kind::Label, "lblKV", 19, 7920, 3540, 255, 255, "kV", Hidden));

  rows.push_back(OnTab(Kind::CommandButton, "Command29", 7, 10800, 6480, 1335, 375, "<<Back"));
  rows.push_back(OnTab(Kind::CommandButton, "Command29", 6, 12360, 6480, 1335, 375, "Next >>", Disabled));
  return rows;
}

constexpr ControlDesign Candidate(int slot, int column, int top, unsigned flags = 0) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = slot, .container = kStrip, .containerIndex = kStripIndex,
          .page = kPage, .left = column < 0 ? 6960 : ColumnLeft(column) + kBoxOffset, .top = top, .width = 900,
          .height = 285, .flags = Locked | flags, .maxLength = 7, .backColor = platform::kLightYellow};
}

constexpr ControlDesign kValueStoreRows[] = {
    Candidate(UrpChoiceFormula1, 0, kRowTop - 30), Candidate(UrpChoiceFormula2, 1, kRowTop - 30),
    Candidate(UrpChoiceFormula3, 2, kRowTop - 30), Candidate(UrpChoiceEntered, 3, kRowTop - 30),
    Candidate(UrpFfChosen, -1, 3510, Hidden),
};

}  // namespace

std::span<const ControlDesign> ChooseUrpTab::Design() {
  static const std::vector<ControlDesign> rows = MakeDesign();
  return rows;
}

std::span<const ControlDesign> ChooseUrpTab::ValueStoreRows() { return kValueStoreRows; }

}  // namespace surge

#include "required/page_layout.hpp"

#include "frame/design_kit.hpp"

namespace required {

namespace {

using platform::ControlDesign;
using platform::Kind;

constexpr int kHeadingIndent = 720;
constexpr int kBoxOffset = 2520, kUnitOffset = 3480;
constexpr int kInternalHeadingTop = 2100, kExternalHeadingTop = 3540;
constexpr int kLineTops[] = {2520, 3000, 3960, 4440};

ControlDesign Label(int page, int index, int left, int top, int width, const char* caption) {
  return {.kind = Kind::Label, .name = "Label4", .index = index, .container = kPageStripName,
          .containerIndex = kPageStripIndex, .page = page, .left = left, .top = top, .width = width, .height = 255,
          .caption = caption, .flags = platform::Hidden};
}

}  // namespace

void AddSummaryLabels(std::vector<ControlDesign>& rows, const SummaryBlock& b) {
  rows.push_back(Label(b.page, b.internalHeading, b.left + kHeadingIndent, kInternalHeadingTop, 1800,
                       "Internal insulation"));
  rows.push_back(Label(b.page, b.externalHeading, b.left + kHeadingIndent, kExternalHeadingTop, 1800,
                       "External insulation"));
  for (int i = 0; i < 4; ++i) {
    const SummaryLine& line = b.lines[i];
    const int top = kLineTops[i];
    rows.push_back(Label(b.page, line.caption, b.left, top, 2460, line.text));
    if (line.subscript != platform::kNoIndex) {
      ControlDesign sub = Label(b.page, line.subscript, b.left + b.subscriptOffset, top + 45, 195, "rw");
      sub.height = 225;
      sub.fontSize = platform::kSubscriptFontSize;
      rows.push_back(sub);
    }
    rows.push_back(Label(b.page, line.unit, b.left + kUnitOffset, top, 285, "kV"));
  }
}

void AddSummaryBoxes(std::vector<ControlDesign>& rows, const SummaryBlock& b) {
  for (int i = 0; i < 4; ++i)
    rows.push_back({.kind = Kind::TextBox, .name = "Text1", .index = b.lines[i].box, .container = kPageStripName,
                    .containerIndex = kPageStripIndex, .page = b.page, .left = b.left + kBoxOffset,
                    .top = kLineTops[i] - 30, .width = 900, .height = 285,
                    .flags = platform::Hidden | platform::Locked, .maxLength = i < 2 ? 6 : b.externalMaxLength,
                    .backColor = platform::kLightYellow});
}

void AddStripButtons(std::vector<ControlDesign>& rows, const StripButtons& s) {
  const auto button = [&](int page, int index, bool next, bool disabled) {
    rows.push_back({.kind = Kind::CommandButton, .name = "Command29", .index = index, .container = kPageStripName,
                    .containerIndex = s.strip, .page = page, .left = next ? 12360 : 10800, .top = s.top,
                    .width = 1335, .height = 375, .caption = next ? "Next >>" : "<<Back",
                    .flags = disabled ? platform::Disabled : 0u});
  };
  button(0, s.intBack, false, false);
  button(0, s.intNext, true, s.intNextWaits);
  button(1, s.extBack, false, false);
  button(1, s.extNext, true, true);
}

PageDesign::PageDesign(const PageParts& p) {
  controls_ = {
      Introduction(p.page, p.introduction, p.note),
      PageButton(p.page, p.enter, true, "ENTER"),
      PageButton(p.page, p.calculate, false, "CALCULATE"),
      WayButton(p.page, p.back, false),
      WayButton(p.page, p.next, true),
  };
  for (const SummaryBlock& block : p.summaries) AddSummaryLabels(controls_, block);
  for (const StripButtons& strip : p.strips) AddStripButtons(controls_, strip);
  if (p.flag != platform::kNoIndex) boxes_.push_back(FlagBox(p.page, p.flag));
  for (const SummaryBlock& block : p.summaries) AddSummaryBoxes(boxes_, block);
}

namespace {

namespace kit = frame::design;
constexpr kit::Place kSlowFrontPage = kit::TabPage(kPageStripName, kPageStripIndex, 1),
                     kFastFrontPage = kit::TabPage(kPageStripName, kPageStripIndex, 2);
constexpr platform::ControlDesign kWorkingBoxes[] = {
    kit::Box(kSlowFrontPage, 159, {240, 600, 900, 285}).hidden().locked().length(5),
    kit::Box(kSlowFrontPage, 160, {1380, 600, 900, 285}).hidden().locked().length(5),
    kit::Box(kFastFrontPage, 180, {240, 600, 900, 285}).hidden().text("0"),
};

}  // namespace

std::span<const platform::ControlDesign> RwWorkingBoxes() { return kWorkingBoxes; }

}  // namespace required

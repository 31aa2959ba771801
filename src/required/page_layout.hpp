#pragma once
// The parts the required-withstand pages are drawn from: the introduction,
// the ENTER/CALCULATE and Back/Next buttons of a page, the summary of four
// values in its two blocks, the hidden flag box, and the buttons of an inner
// strip's two tabs.

#include <span>
#include <vector>

#include "platform/design.hpp"

namespace required {

inline constexpr const char* kPageStripName = "SSTab1";
inline constexpr int kPageStripIndex = 6;

// The blue introduction at the top of a page.
constexpr platform::ControlDesign Introduction(int page, int index, const char* caption) {
  return {.kind = platform::Kind::Label, .name = "Label30", .index = index, .container = kPageStripName,
          .containerIndex = kPageStripIndex, .page = page, .left = 120, .top = 420, .width = 13965, .height = 285,
          .caption = caption, .foreColor = platform::kBlue};
}

// "ENTER" on the left and "CALCULATE" on the right, below the introduction.
constexpr platform::ControlDesign PageButton(int page, int index, bool left, const char* caption) {
  return {.kind = platform::Kind::CommandButton, .name = "Command25", .index = index, .container = kPageStripName,
          .containerIndex = kPageStripIndex, .page = page, .left = left ? 4680 : 7350, .top = 1020, .width = 2430,
          .height = 600, .caption = caption, .flags = platform::Bold, .fontSize = 12};
}

// "<< Back" and "Next >>" at the foot of a page; "Next >>" waits for the page's values.
constexpr platform::ControlDesign WayButton(int page, int index, bool next) {
  return {.kind = platform::Kind::CommandButton, .name = "Command21", .index = index, .container = kPageStripName,
          .containerIndex = kPageStripIndex, .page = page, .left = next ? 7380 : 5670, .top = 5490, .width = 1485,
          .height = 405, .caption = next ? "Next >>" : "<< Back", .flags = next ? platform::Disabled : 0u};
}

// The hidden "0"/"1" box that tells whether the page's values were calculated.
constexpr platform::ControlDesign FlagBox(int page, int slot) {
  return {.kind = platform::Kind::TextBox, .name = "Text1", .index = slot, .container = kPageStripName,
          .containerIndex = kPageStripIndex, .page = page, .left = 12960, .top = 5490, .width = 900,
          .height = 285, .caption = "0", .flags = platform::Hidden};
}

// One line of a summary: its caption, the subscript in the caption's blank
// run (kNoIndex for none), the unit and the box.
struct SummaryLine {
  int caption, subscript, unit, box;
  const char* text;
};

// A summary: "Internal insulation" over its phase-to-earth and
// phase-to-phase lines, then "External insulation" over its two.
struct SummaryBlock {
  int page, left;
  int internalHeading, externalHeading;
  SummaryLine lines[4];  // internal p-e, internal p-p, external p-e, external p-p
  int subscriptOffset;   // from the caption's left
  int externalMaxLength;
};

// The captions of the Urw lines, with "rw" in their blank run.
inline constexpr const char* kUrwPe = "U         value (phase to earth):";
inline constexpr const char* kUrwPp = "U         value (phase to phase):";
inline constexpr int kUrwSubscriptOffset = 250;

void AddSummaryLabels(std::vector<platform::ControlDesign>& rows, const SummaryBlock& block);
void AddSummaryBoxes(std::vector<platform::ControlDesign>& rows, const SummaryBlock& block);

// "<<Back" and "Next >>" on both tabs of an inner strip; the internal
// "Next >>" starts disabled where it waits for results.
struct StripButtons {
  int strip, top;
  int intBack, intNext, extBack, extNext;
  bool intNextWaits;
};
void AddStripButtons(std::vector<platform::ControlDesign>& rows, const StripButtons& buttons);

// A whole page: what it holds besides the summaries and strips is given by
// the indices of its controls; the flag is kNoIndex on a page without one.
struct PageParts {
  int page;
  int introduction;
  const char* note;
  int enter, calculate, back, next;
  int flag;
  std::span<const SummaryBlock> summaries;
  std::span<const StripButtons> strips;
};

// Working boxes of the slow-front and fast-front pages that no step uses.
std::span<const platform::ControlDesign> RwWorkingBoxes();

// A page's controls and value-store boxes, made once from its parts.
class PageDesign {
 public:
  explicit PageDesign(const PageParts& parts);
  std::span<const platform::ControlDesign> controls() const { return controls_; }
  std::span<const platform::ControlDesign> boxes() const { return boxes_; }

 private:
  std::vector<platform::ControlDesign> controls_, boxes_;
};

}  // namespace required

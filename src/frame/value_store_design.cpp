// The generic design rows of the value store, for the boxes of the stages
// that are not in the program yet. The rules are data (which boxes are flags,
// copies, which MaxLength each has, which take typed input,
// where each stage's boxes lie); one generator turns them into rows. A stage
// that takes its boxes over removes them from these rules.

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

#include "frame/app.hpp"
#include "frame/value_store.hpp"

namespace frame {

namespace {

using platform::ControlDesign;
using platform::Kind;

struct Range {
  int first, last;
};

template <std::size_t N>
constexpr bool InRanges(const Range (&ranges)[N], int i) {
  return std::any_of(std::begin(ranges), std::end(ranges), [i](Range r) { return i >= r.first && i <= r.last; });
}

// Hidden "0"/"1" flags that tell whether a page has been calculated.
constexpr Range kFlags[] = {{79, 79}, {99, 99}, {180, 180}};

// Factors of five characters.
constexpr Range kMaxLength5[] = {{159, 160}};
// Urp, Ucw, Urw and withstand voltages in kV, and the arrester's voltages.
constexpr Range kMaxLength6[] = {
    {121, 121}};

// Boxes the user types into; with the flags they are the boxes that are not locked.
constexpr Range kInputs[] = {
    {120, 120}};

// Locked boxes that keep the window's own back colour.
constexpr Range kLockedDefaultColour[] = {{121, 123}, {159, 160}};

// Where each stage's boxes lie; the first matching entry wins. An index in
// no entry is owned by a stage of the program.
struct Placement {
  Range range;
  const char* container;
  int containerIndex;
  int page;
};
constexpr Placement kPlacements[] = {
    {{79, 79}, "tabSubGeneral1", platform::kNoIndex, 3},
    {{99, 99}, "SSTab1", 3, 0},
    {{221, 221}, "SSTab1", 3, 1},
    {{120, 123}, "SSTab1", 3, 2},
    {{159, 160}, "SSTab1", 6, 1},
    {{180, 180}, "SSTab1", 6, 2},
    {{228, 229}, "tabGeneral", platform::kNoIndex, 3},
    {{234, 235}, "tabGeneral", platform::kNoIndex, 3},
    {{242, 242}, "tabGeneral", platform::kNoIndex, 3},
    {{254, 257}, "tabGeneral", platform::kNoIndex, 3},
};

// Working boxes lie in rows of twelve.
constexpr int kBoxWidth = 900, kBoxHeight = 285;
constexpr int kGridLeft = 240, kGridTop = 600, kGridColumnStep = 1140, kGridRowStep = 405, kGridColumns = 12;

bool In(Range r, int i) { return i >= r.first && i <= r.last; }

const Placement* PlacementOf(int i) {
  for (const Placement& p : kPlacements)
    if (In(p.range, i)) return &p;
  return nullptr;
}

const char* DesignText(int i) { return InRanges(kFlags, i) ? kFlagDesignText : ""; }

int MaxLength(int i) {
  if (InRanges(kFlags, i)) return 0;
  if (InRanges(kMaxLength6, i)) return 6;
  if (InRanges(kMaxLength5, i)) return 5;
  return 8;
}

std::vector<ControlDesign> MakeGenericRows() {
  std::vector<ControlDesign> rows;
  // Boxes are laid out in index order on each page: count them per page.
  std::array<int, std::size(kPlacements)> placed{};
  for (int i = 0; i < kValueStoreSize; ++i) {
    const Placement* owner = PlacementOf(i);
    if (owner == nullptr) continue;
    const Placement& p = *owner;
    const bool unlocked = InRanges(kInputs, i) || InRanges(kFlags, i);

    // Entries that share a page share one count.
    std::size_t group = static_cast<std::size_t>(&p - kPlacements);
    for (std::size_t k = 0; k < group; ++k) {
      const Placement& q = kPlacements[k];
      if (q.container != nullptr && std::string_view(q.container) == p.container &&
          q.containerIndex == p.containerIndex && q.page == p.page) {
        group = k;
        break;
      }
    }
    const int n = placed[group]++;

    ControlDesign& d = rows.emplace_back();
    d.kind = Kind::TextBox;
    d.name = "Text1";
    d.index = i;
    d.container = p.container;
    d.containerIndex = p.containerIndex;
    d.page = p.page;
    d.caption = DesignText(i);
    d.maxLength = MaxLength(i);
    d.height = kBoxHeight;
    d.left = kGridLeft + (n % kGridColumns) * kGridColumnStep;
    d.top = kGridTop + (n / kGridColumns) * kGridRowStep;
    d.width = kBoxWidth;
    d.flags = platform::Hidden | (unlocked ? 0u : platform::Locked);
    d.backColor = unlocked || InRanges(kLockedDefaultColour, i) ? platform::kSystemColor : platform::kLightYellow;
  }
  return rows;
}

}  // namespace

std::span<const ControlDesign> GenericValueStoreRows() {
  static const std::vector<ControlDesign> rows = MakeGenericRows();
  return rows;
}

}  // namespace frame

// The surge arrester page as it stands when the main window is loaded: the
// three minimums the system asks of its arresters, then the data of the
// selected arrester, one row each, top to bottom. A row is its caption (with
// the subscript label laid into the blank run after its "U"), its box
// Text1(slot), and beside the box the unit or, for a minimum, its meaning.

#include <array>
#include <cstddef>

#include "surge/arrester_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using platform::Bold;
using platform::ControlDesign;
using platform::Disabled;
using platform::Kind;
using platform::kLightYellow;
using platform::Locked;

constexpr const char* kPage = "tabSubGeneral1";
constexpr int kPageIndex = 1;

struct Row {
  int slot;
  const char* caption;
  const char* subscript;  // nullptr: none
  int subscriptLeft;      // twips: centred in the blank run after the "U"
  const char* aside;      // the unit or the meaning beside the box; nullptr: none
};

// Where a group of rows stands.
struct Columns {
  int firstTop, captionLeft, captionWidth, boxLeft, asideLeft, asideWidth;
  bool display;  // locked light-yellow boxes the page fills
};

constexpr int kRowStep = 420;

constexpr Columns kMinimumColumns{900, 840, 960, 1920, 2940, 3900, true};
constexpr Row kMinimums[] = {
    {ArresterUm, "1. U     (kV)", "m", 1200, "Highest voltage for equipment"},
    {ArresterUcMin, "2. U    (kV)", "c", 1200, "Minimum required continuous operating voltage"},
    {ArresterUrMin, "3. U    (kV)", "r", 1215, "Minimum required rated voltage of surge arrester"},
};

constexpr Columns kEntryColumns{2700, 840, 4500, 5400, 6420, 285, false};
constexpr Row kEntries[] = {
    {ArresterUc, "Continuous operating voltage - U", "c", 3270, "kV"},
    {ArresterUr, "Rated voltage - U  ", "r", 2145, "kV"},
    {ArresterSteepResidual, "Residual voltage at steep current impulse (10 kA)", nullptr, 0, "kV"},
    {ArresterUpl, "Residual voltage at lightning impulse current (20kA) -  U ", "pl", 4935, "kV"},
    {ArresterUps, "Residual voltage at switching impulse current (1 kA) -  U    ", "ps", 4950, "kV"},
    {ArresterDischargeClass, "Line discharge class", nullptr, 0, nullptr},
    {ArresterEnergy, "Energy absorption capability (7 kJ/kV)", nullptr, 0, "kJ"},
};

constexpr ControlDesign kFixed[] = {
    {.kind = Kind::Label, .name = "lblArresterHeading", .index = 0, .container = kPage, .page = kPageIndex,
     .left = 600, .top = 480, .width = 5700, .height = 255,
     .caption = "According to system data the installed  surge arresters should have", .flags = Bold},
    {.kind = Kind::Label, .name = "lblArresterHeading", .index = 1, .container = kPage, .page = kPageIndex,
     .left = 600, .top = 2280, .width = 4500, .height = 255,
     .caption = "Enter specification data for the selected surge arrester", .flags = Bold},
    {.kind = Kind::CommandButton, .name = "Command21", .index = 2, .container = kPage, .page = kPageIndex,
     .left = 5670, .top = 6000, .width = 1485, .height = 405, .caption = "<< Back"},
    {.kind = Kind::CommandButton, .name = "Command21", .index = 3, .container = kPage, .page = kPageIndex,
     .left = 7380, .top = 6000, .width = 1485, .height = 405, .caption = "Next >>", .flags = Disabled},
};

constexpr int Top(const Columns& c, std::size_t i) { return c.firstTop + static_cast<int>(i) * kRowStep; }

template <std::size_t N>
constexpr std::size_t LabelCount(const Row (&rows)[N]) {
  std::size_t n = 0;
  for (const Row& r : rows) n += 1 + (r.subscript != nullptr) + (r.aside != nullptr);
  return n;
}

template <std::size_t N>
constexpr ControlDesign* AddLabels(ControlDesign* out, const Row (&rows)[N], const Columns& c) {
  for (std::size_t i = 0; i < N; ++i) {
    const Row& r = rows[i];
    const int top = Top(c, i);
    *out++ = {.kind = Kind::Label, .name = "lblArresterCaption", .index = r.slot, .container = kPage,
              .page = kPageIndex, .left = c.captionLeft, .top = top, .width = c.captionWidth, .height = 255,
              .caption = r.caption};
    if (r.subscript != nullptr)
      *out++ = {.kind = Kind::Label, .name = "lblArresterSubscript", .index = r.slot, .container = kPage,
                .page = kPageIndex, .left = r.subscriptLeft, .top = top + 45, .width = 195, .height = 225,
                .caption = r.subscript, .fontSize = platform::kSubscriptFontSize};
    if (r.aside != nullptr)
      *out++ = {.kind = Kind::Label, .name = "lblArresterAside", .index = r.slot, .container = kPage,
                .page = kPageIndex, .left = c.asideLeft, .top = top, .width = c.asideWidth, .height = 255,
                .caption = r.aside};
  }
  return out;
}

constexpr auto kDesign = [] {
  std::array<ControlDesign, std::size(kFixed) + LabelCount(kMinimums) + LabelCount(kEntries)> a{};
  ControlDesign* out = a.data();
  for (const ControlDesign& d : kFixed) *out++ = d;
  out = AddLabels(out, kMinimums, kMinimumColumns);
  AddLabels(out, kEntries, kEntryColumns);
  return a;
}();

template <std::size_t N>
constexpr ControlDesign* AddBoxes(ControlDesign* out, const Row (&rows)[N], const Columns& c) {
  for (std::size_t i = 0; i < N; ++i)
    *out++ = {.kind = Kind::TextBox, .name = "Text1", .index = rows[i].slot, .container = kPage, .page = kPageIndex,
              .left = c.boxLeft, .top = Top(c, i) - 30, .width = 900, .height = 285,
              .flags = c.display ? unsigned{Locked} : 0u, .maxLength = 6,
              .backColor = c.display ? kLightYellow : platform::kSystemColor};
  return out;
}

constexpr auto kBoxes = [] {
  std::array<ControlDesign, std::size(kMinimums) + std::size(kEntries)> a{};
  AddBoxes(AddBoxes(a.data(), kMinimums, kMinimumColumns), kEntries, kEntryColumns);
  return a;
}();

}  // namespace

std::span<const ControlDesign> ArresterPage::Design() { return kDesign; }

std::span<const ControlDesign> ArresterPage::ValueStoreRows() { return kBoxes; }

}  // namespace surge

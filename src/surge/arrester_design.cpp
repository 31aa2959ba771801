// The surge arrester page as it stands when the main window is loaded: the
// three minimums the system asks of its arresters, then the data of the
// selected arrester, one row each, top to bottom. A row is its caption (with
// the subscript label laid into the blank run after its "U"), its box
// Text1(slot), and beside the box the unit or, for a minimum, its meaning.

#include <array>
#include <cstddef>

#include "frame/design_kit.hpp"
#include "surge/arrester_page.hpp"
#include "surge/slots.hpp"

namespace surge {

namespace {

using namespace frame::design;

constexpr Place kPage = TabPage("tabSubGeneral1", platform::kNoIndex, 1);

struct Entry {
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
constexpr Entry kMinimums[] = {
    {ArresterUm, "1. U     (kV)", "m", 1200, "Highest voltage for equipment"},
    {ArresterUcMin, "2. U    (kV)", "c", 1200, "Minimum required continuous operating voltage"},
    {ArresterUrMin, "3. U    (kV)", "r", 1215, "Minimum required rated voltage of surge arrester"},
};

constexpr Columns kEntryColumns{2700, 840, 4500, 5400, 6420, 285, false};
constexpr Entry kEntries[] = {
    {ArresterUc, "Continuous operating voltage - U", "c", 3270, "kV"},
    {ArresterUr, "Rated voltage - U  ", "r", 2145, "kV"},
    {ArresterSteepResidual, "Residual voltage at steep current impulse (10 kA)", nullptr, 0, "kV"},
    {ArresterUpl, "Residual voltage at lightning impulse current (20kA) -  U ", "pl", 4935, "kV"},
    {ArresterUps, "Residual voltage at switching impulse current (1 kA) -  U    ", "ps", 4950, "kV"},
    {ArresterDischargeClass, "Line discharge class", nullptr, 0, nullptr},
    {ArresterEnergy, "Energy absorption capability (7 kJ/kV)", nullptr, 0, "kJ"},
};

constexpr auto kHeadingsAndButtons = std::to_array<ControlDesign>({
    Label(kPage, "lblArresterHeading", 0, {600, 480, 5700, 255},
          "According to system data the installed  surge arresters should have")
        .bold(),
    Label(kPage, "lblArresterHeading", 1, {600, 2280, 4500, 255},
          "Enter specification data for the selected surge arrester")
        .bold(),
    Button(kPage, "Command21", 2, {5670, 6000, 1485, 405}, "<< Back"),
    Button(kPage, "Command21", 3, {7380, 6000, 1485, 405}, "Next >>").disabled(),
});

constexpr int Top(const Columns& columns, std::size_t i) { return columns.firstTop + static_cast<int>(i) * kRowStep; }

template <std::size_t N>
constexpr std::size_t LabelCount(const Entry (&entries)[N]) {
  std::size_t n = 0;
  for (const Entry& entry : entries) n += 1 + (entry.subscript != nullptr) + (entry.aside != nullptr);
  return n;
}

// Each entry's caption, its subscript and what stands beside its box.
template <std::size_t Count, std::size_t N>
constexpr std::array<ControlDesign, Count> Labels(const Entry (&entries)[N], const Columns& columns) {
  std::array<ControlDesign, Count> rows{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < N; ++i) {
    const Entry& entry = entries[i];
    const int top = Top(columns, i);
    rows[n++] = Label(kPage, "lblArresterCaption", entry.slot,
                      {columns.captionLeft, top, columns.captionWidth, 255}, entry.caption);
    if (entry.subscript != nullptr)
      rows[n++] = Subscript(kPage, "lblArresterSubscript", entry.slot, {entry.subscriptLeft, top + 45, 195, 225},
                            entry.subscript);
    if (entry.aside != nullptr)
      rows[n++] = Label(kPage, "lblArresterAside", entry.slot, {columns.asideLeft, top, columns.asideWidth, 255},
                        entry.aside);
  }
  return rows;
}

constexpr auto kDesign = Join(kHeadingsAndButtons, Labels<LabelCount(kMinimums)>(kMinimums, kMinimumColumns),
                              Labels<LabelCount(kEntries)>(kEntries, kEntryColumns));

// Each entry's box; the page fills the locked light-yellow ones.
template <std::size_t N>
constexpr std::array<ControlDesign, N> Boxes(const Entry (&entries)[N], const Columns& columns) {
  std::array<ControlDesign, N> rows{};
  for (std::size_t i = 0; i < N; ++i) {
    const Row box = Box(kPage, entries[i].slot, {columns.boxLeft, Top(columns, i) - 30, 900, 285}).length(6);
    rows[i] = columns.display ? box.readOnly() : box;
  }
  return rows;
}

constexpr auto kBoxes = Join(Boxes(kMinimums, kMinimumColumns), Boxes(kEntries, kEntryColumns));

}  // namespace

std::span<const ControlDesign> ArresterPage::Design() { return kDesign; }

std::span<const ControlDesign> ArresterPage::ValueStoreRows() const { return kBoxes; }

}  // namespace surge

// The value-store boxes Text1(0..40) of the temporary-overvoltage stage. The
// frames named as containers are created by the factor pages, which the stage
// builds before the value store.

#include <array>

#include "tov/slots.hpp"
#include "tov/stage.hpp"

namespace tov {

namespace {

using platform::ControlDesign;
using platform::Kind;
using platform::kLightYellow;
using platform::kNoIndex;
using platform::Hidden;
using platform::Locked;

constexpr const char* kStrip = "tabCalculation1";
constexpr int kK2Page = 1, kK3Page = 2, kK4Page = 3, kCombinationPage = 4;

// An input box inside one of the pages' frames.
constexpr ControlDesign Input(int index, const char* frame, int left, int top, int maxLength, unsigned flags = 0) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = index, .container = frame, .left = left, .top = top,
          .width = 900, .height = 285, .flags = flags, .maxLength = maxLength};
}

// A hidden input box inside an entry frame, shown by its page's mode.
constexpr ControlDesign Entry(int index, const char* frame, int left, int top, int maxLength) {
  return Input(index, frame, left, top, maxLength, Hidden);
}

// A locked light-yellow box for a computed value inside a data frame.
constexpr ControlDesign Computed(int index, const char* frame, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = index, .container = frame, .left = 2430, .top = top,
          .width = 900, .height = 285, .flags = Locked, .maxLength = 8, .backColor = kLightYellow};
}

// A result box of a factor page, hidden until the page has a result.
constexpr ControlDesign Result(int index, int page, int left, int top) {
  return {.kind = Kind::TextBox, .name = "Text1", .index = index, .container = kStrip, .page = page, .left = left,
          .top = top, .width = 900, .height = 285, .flags = Hidden | Locked, .maxLength = 6,
          .backColor = kLightYellow};
}

constexpr auto kRows = std::to_array<ControlDesign>({
    {.kind = Kind::TextBox, .name = "Text1", .index = TovAcceptedFlag, .container = "tabSubGeneral1",
     .page = 0, .left = 7395, .top = 3840, .width = 900, .height = 285, .caption = "0", .flags = Hidden},
    Entry(K2Entered, "Frame5", 1470, 330, 4),
    Entry(UrpK2PeEntered, "Frame5", 2070, 330, 6),
    Entry(UrpK2PpEntered, "Frame5", 2070, 750, 6),
    Input(K2Frequency, "Frame3", 2430, 270, 8),
    Input(K2LineLength, "Frame3", 2430, 690, 8),
    Input(K2Capacitance, "Frame3", 2430, 1110, 8),
    Input(K2ReceivingVoltage, "Frame3", 2430, 1530, 8),
    Computed(K2ChargingPower, "Frame3", 1950),
    Input(K2ShortCircuitPower, "Frame3", 2430, 2370, 8),
    Input(K2CompensationSending, "Frame3", 2430, 2790, 8),
    Input(K2CompensationReceiving, "Frame3", 2430, 3210, 8),
    Input(K2LinePower, "Frame3", 2430, 3630, 8),
    Input(K2Inductance, "Frame3", 2430, 4050, 8),
    Result(UrpK2Pe, kK2Page, 7005, 7875),
    Result(UrpK2Pp, kK2Page, 7005, 8355),
    Result(UrpK2PeSending, kK2Page, 8535, 7860),
    Result(UrpK2PpSending, kK2Page, 8535, 8340),
    Entry(K3Entered, "Frame6", 1470, 330, 4),
    Entry(UrpK3PeEntered, "Frame6", 2070, 330, 6),
    Input(K3X0, "Frame10", 2430, 270, 8),
    Input(K3X1, "Frame10", 2430, 720, 8),
    Result(UrpK3Pe, kK3Page, 7605, 7905),
    Entry(K4Entered, "Frame11", 1470, 330, 4),
    Entry(UrpK4PeEntered, "Frame11", 2070, 330, 6),
    Entry(UrpK4PpEntered, "Frame11", 2070, 750, 6),
    Input(K4TransformerPower, "Frame12", 2430, 270, 8),
    Input(K4ShortCircuitPower, "Frame12", 2430, 690, 8),
    Input(K4CapacitiveLoad, "Frame12", 2430, 1110, 8),
    Computed(K4PowerRatio, "Frame12", 1530),
    Computed(K4LoadRatio, "Frame12", 1950),
    Input(K4Factor, "Frame12", 2430, 2370, 4, Hidden),
    Result(UrpK4Pe, kK4Page, 7005, 7875),
    Result(UrpK4Pp, kK4Page, 7005, 8355),
    Input(CombX0, "Frame17", 2430, 270, 8),
    Input(CombX1, "Frame17", 2430, 720, 8),
    Entry(UrpCombPeEntered, "Frame20", 2070, 330, 6),
    Entry(UrpCombPpEntered, "Frame20", 2070, 750, 6),
    Entry(K13Entered, "Frame20", 1530, 330, 4),
    Result(UrpCombPp, kCombinationPage, 7035, 8535),
    Result(UrpCombPe, kCombinationPage, 7035, 8055),
});

static_assert(kRows.size() == 41);

constexpr bool RowsInIndexOrder() {
  for (std::size_t i = 0; i < kRows.size(); ++i)
    if (kRows[i].index != static_cast<int>(i)) return false;
  return true;
}
static_assert(RowsInIndexOrder(), "each row sits at its own index");

}  // namespace

std::vector<std::span<const platform::ControlDesign>> Stage::ValueStoreRows() const { return {kRows}; }

}  // namespace tov

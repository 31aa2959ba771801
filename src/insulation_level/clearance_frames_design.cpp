// The minimum-air-clearance frames of both layouts of the page "Standard
// insulation level", as the level selection opens them: up to 245 kV the
// frame Frame37(10) with its two structures and the clearance boxes below
// them; above 245 kV the frame Frame37(13) with the phase-to-earth part
// Frame37(15) and the phase-to-phase part Frame37(16). Everything but the
// structure options is hidden until a structure is chosen; the captions of
// the clearance lines come with the clearance calculations.

#include <array>

#include "insulation_level/design_rows.hpp"
#include "insulation_level/level_designs.hpp"
#include "insulation_level/slots.hpp"

namespace insulation_level {

namespace {

using namespace design;
using platform::Hidden;

constexpr Place kRange1 = InFrame(6), kClearances1 = InFrame(10);
constexpr Place kExternalPage{"SSTab1", 12, 1};
constexpr Place kClearances2 = InFrame(13), kPhaseToEarth = InFrame(15), kPhaseToPhase = InFrame(16);

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Up to 245 kV.
    Frame(kRange1, 10, 240, 4260, 13920, 2280, "Minimum air clearances for external insulation", Hidden),
    Option(kClearances1, 88, 240, 360, 1800, "Rod structure"),
    Option(kClearances1, 87, 2400, 360, 2200, "Conductor structure"),
    SpecialTest(kClearances1, 293, 240, 1740),

    // Above 245 kV.
    Frame(kExternalPage, 13, 240, 3180, 13920, 5880, "Minimum Air Clearances", Hidden),
    Frame(kClearances2, 15, 120, 300, 13680, 1860, "Phase to earth clearance"),
    Option(kPhaseToEarth, 91, 240, 300, 1800, "Rod structure"),
    Option(kPhaseToEarth, 92, 2160, 300, 2200, "Conductor structure"),
    SpecialTest(kPhaseToEarth, 337, 3960, 720),
    Frame(kClearances2, 16, 120, 2280, 13680, 3480, "Phase to phase clearance", Hidden),
});

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kClearances1, ClearancePpTableA1, 3360, 840, Hidden),
    LevelBox(kClearances1, ClearancePeTableA1, 3360, 1260, Hidden),
    LevelBox(kPhaseToEarth, ClearancePeTableA2, 2760, 720, Hidden),
    LevelBox(kPhaseToEarth, U50Pe, 3600, 1200, Hidden),
    LevelBox(kPhaseToEarth, LiwFromClearancePe, 7680, 1200, Hidden),
    // The phase-to-phase clearance by the equations, in m: four characters.
    [] {
      ControlDesign d = LevelBox(kPhaseToPhase, ClearancePpEquation, 3000, 2940, Hidden);
      d.maxLength = 4;
      return d;
    }(),
});

}  // namespace

std::span<const ControlDesign> ClearanceFramesDesign() { return kDesign; }
std::span<const ControlDesign> ClearanceValueStoreRows() { return kValueStoreRows; }

}  // namespace insulation_level

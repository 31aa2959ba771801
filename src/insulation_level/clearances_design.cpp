// The minimum-air-clearance frames of both layouts of the page "Standard
// insulation level" as they stand when the main window is loaded. Up to
// 245 kV the frame Frame37(10) with its two structures and the two clearance
// lines below them. Above 245 kV the frame Frame37(13) with the phase-to-earth
// part Frame37(15): the table clearance with its U50 and lightning withstand;
// and the phase-to-phase part Frame37(16): the method, the configuration,
// then either the table clearance or the entry of D and Ht with the three
// rows of the equations. The table row and the entry share one height: they
// never show together. Everything but the structure options and the methods
// is hidden until the level selection and the choices open it.

#include <array>

#include "frame/design_kit.hpp"
#include "insulation_level/clearances.hpp"
#include "insulation_level/level_layout.hpp"
#include "insulation_level/slots.hpp"

namespace insulation_level {

namespace {

using namespace frame::design;

constexpr Place kRange1 = Inside("Frame37", 6), kClearances1 = Inside("Frame37", 10);
constexpr Place kExternalPage = TabPage("SSTab1", 12, 1);
constexpr Place kClearances2 = Inside("Frame37", 13), kPhaseToEarth = Inside("Frame37", 15);
constexpr Place kPhaseToPhase = Inside("Frame37", 16);
constexpr Place kMethods = Inside("Frame37", 17), kConfigurations = Inside("Frame37", 18);

// Rows of the phase-to-earth frame and of the phase-to-phase frame.
constexpr int kPeClearanceRow = 720, kPeU50Row = 1200;
constexpr int kEntryTop = 1500, kBRow = 1980, kU0Row = 2460, kDRow = 2940;
constexpr int kSpecialLeft = 8640;

// The small labels of a caption: a subscript in the middle of the blank run
// after its letter, an exponent above the line over that run.
constexpr Rect SubscriptAt(int left, int lineTop, int width) { return {left, lineTop + 60, width, 195}; }
constexpr Rect ExponentAt(int left, int lineTop) { return {left, lineTop - 180, 120, 165}; }

// The captions of the clearance lines keep to one line and wait hidden for
// their clearance.
constexpr unsigned kHiddenLine = platform::Hidden | platform::NoWrap;

constexpr const char* kTableA1 = "According to IEC 71-2:1996,  Table A.1,  p.119";

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Up to 245 kV.
    Frame(kRange1, "Frame37", 10, {240, 4260, 13920, 2280}, "Minimum air clearances for external insulation")
        .hidden(),
    Option(kClearances1, 88, {240, 360, 1800, kLineHeight}, "Rod structure"),
    Option(kClearances1, 87, {2400, 360, 2200, kLineHeight}, "Conductor structure"),
    SpecialTest(kClearances1, 293, 240, 1740),

    // Above 245 kV.
    Frame(kExternalPage, "Frame37", 13, {240, 3180, 13920, 5880}, "Minimum Air Clearances").hidden(),
    Frame(kClearances2, "Frame37", 15, {120, 300, 13680, 1860}, "Phase to earth clearance"),
    Option(kPhaseToEarth, 91, {240, 300, 1800, kLineHeight}, "Rod structure"),
    Option(kPhaseToEarth, 92, {2160, 300, 2200, kLineHeight}, "Conductor structure"),
    SpecialTest(kPhaseToEarth, 337, 3960, kPeClearanceRow),
    Frame(kClearances2, "Frame37", 16, {120, 2280, 13680, 3480}, "Phase to phase clearance").hidden(),

    // The clearance lines up to 245 kV.
    Label(kClearances1, "Label4", 274, {240, 840, 3000, kLineHeight}, "Phase to phase air clearance (mm)", kHiddenLine),
    Label(kClearances1, "Label4", 275, {4680, 840, 4800, kLineHeight}, kTableA1, kHiddenLine),
    Label(kClearances1, "Label4", 276, {240, 1260, 3000, kLineHeight},
          "Phase to earth air clearance (mm)", kHiddenLine),
    Label(kClearances1, "Label4", 277, {4680, 1260, 4800, kLineHeight}, kTableA1, kHiddenLine),

    // Above 245 kV, phase to earth.
    Label(kPhaseToEarth, "Label4", 327, {240, kPeClearanceRow, 2400, kLineHeight},
          "Minimum clearance (mm)", kHiddenLine),
    Label(kPhaseToEarth, "Label4", 326, {7200, kPeClearanceRow, 4800, kLineHeight},
          "According to IEC 71-2:1996,  Table A.2,  p.121", kHiddenLine),
    Label(kPhaseToEarth, "Label4", 328, {240, kPeU50Row, 3300, kLineHeight},
          "Corresponding to U      = K     530 d  =", kHiddenLine),
    Subscript(kPhaseToEarth, "Label4", 329, SubscriptAt(1736, kPeU50Row, 195), "50").hidden(),
    Subscript(kPhaseToEarth, "Label4", 330, SubscriptAt(2272, kPeU50Row, 150), "ff").hidden(),
    Subscript(kPhaseToEarth, "Label4", 331, ExponentAt(2272, kPeU50Row), "+").hidden(),
    Label(kPhaseToEarth, "Label4", 332, {4740, kPeU50Row, 2880, kLineHeight},
          "kV   and  LIW = U     (1-1,3z) =", kHiddenLine),
    Subscript(kPhaseToEarth, "Label4", 333, SubscriptAt(6070, kPeU50Row, 195), "50").hidden(),
    Label(kPhaseToEarth, "Label4", 334, {8820, kPeU50Row, kUnitWidth, kLineHeight}, "kV", kHiddenLine),

    // Above 245 kV, phase to phase: the method, then the configuration.
    Frame(kPhaseToPhase, "Frame37", 17, {120, 240, 13440, 600}, "Minimum air clearance calculation"),
    Option(kMethods, 94, {240, 240, 5400, kLineHeight}, "According to IEC 71-2:1996,  Table A.3,  p121"),
    Option(kMethods, 93, {6600, 240, 5400, kLineHeight}, "According to IEC 71-2:1996, equations D.12, G.3, G.5"),
    Frame(kPhaseToPhase, "Frame37", 18, {120, 900, 13440, 480}, "").hidden(),
    Option(kConfigurations, 96, {240, 120, 3000, kLineHeight}, "Rod-conductor configuration"),
    Option(kConfigurations, 95, {6600, 120, 3600, kLineHeight}, "Conductor-conductor configuration"),
    // Never shown.
    Frame(kPhaseToPhase, "Frame37", 19, {120, 1440, 13440, 1920}, "").hidden(),

    // The table clearance.
    Label(kPhaseToPhase, "Label4", 336, {240, kEntryTop, 2160, kLineHeight}, "Minimum clearance (mm)", kHiddenLine),
    Label(kPhaseToPhase, "Label4", 335, {3660, kEntryTop, 4800, kLineHeight},
          "  According to IEC 71-2:1996,  Table A.3,  p.121", kHiddenLine),
    SpecialTest(kPhaseToPhase, 353, kSpecialLeft, kEntryTop),

    // The entry of D and Ht, on the same row.
    Label(kPhaseToPhase, "Label41", 235, {240, kEntryTop, 1500, kLineHeight}, "Enter D value (m)", kHiddenLine),
    Label(kPhaseToPhase, "Label41", 238, {2700, kEntryTop, 2520, kLineHeight},
          "Phase to phase air clearance", kHiddenLine),
    Label(kPhaseToPhase, "Label41", 236, {5400, kEntryTop, 1500, kLineHeight}, "Enter Ht value (m)", kHiddenLine),
    Label(kPhaseToPhase, "Label41", 237, {7860, kEntryTop, 2880, kLineHeight},
          "Phase to phase height above earth", kHiddenLine),
    Button(kPhaseToPhase, "Command21", 35, {10920, kEntryTop - 60, kButtonWidth, kButtonHeight}, "OK").hidden(),

    // The equations, row by row.
    Label(kPhaseToPhase, "Label4", 338, {240, kBRow, 420, kLineHeight}, "B =", kHiddenLine),
    Label(kPhaseToPhase, "Label4", 339, {1920, kBRow, 900, kLineHeight}, "U  = U  =", kHiddenLine),
    Subscript(kPhaseToPhase, "Label4", 340, ExponentAt(2030, kBRow), "+").hidden(),
    Subscript(kPhaseToPhase, "Label4", 341, ExponentAt(2413, kBRow), "-").hidden(),
    Label(kPhaseToPhase, "Label4", 354, {4020, kBRow, kUnitWidth, kLineHeight}, "kV", kHiddenLine),
    Label(kPhaseToPhase, "Label4", 342, {240, kU0Row, 2700, kLineHeight},
          "Hence U   = U     = U   + B U   =", kHiddenLine),
    Subscript(kPhaseToPhase, "Label4", 344, ExponentAt(912, kU0Row), "+").hidden(),
    Subscript(kPhaseToPhase, "Label4", 343, SubscriptAt(912, kU0Row, 120), "o").hidden(),
    Subscript(kPhaseToPhase, "Label4", 345, SubscriptAt(1327, kU0Row, 195), "10").hidden(),
    Subscript(kPhaseToPhase, "Label4", 346, ExponentAt(1806, kU0Row), "+").hidden(),
    Subscript(kPhaseToPhase, "Label4", 347, ExponentAt(2373, kU0Row), "-").hidden(),
    Label(kPhaseToPhase, "Label4", 348, {4140, kU0Row, 3780, kLineHeight},
          "kV  corresponding to U      = U      / (1-1,3z) =", kHiddenLine),
    Subscript(kPhaseToPhase, "Label4", 349, SubscriptAt(5881, kU0Row, 195), "50").hidden(),
    Subscript(kPhaseToPhase, "Label4", 350, SubscriptAt(6417, kU0Row, 195), "10").hidden(),
    Label(kPhaseToPhase, "Label4", 355, {9120, kU0Row, kUnitWidth, kLineHeight}, "kV", kHiddenLine),
    Label(kPhaseToPhase, "Label4", 352, {240, kDRow, 2640, kLineHeight}, "    Minimum clearance (m)", kHiddenLine),
    Label(kPhaseToPhase, "Label4", 351, {4140, kDRow, 4200, kLineHeight},
          "According to IEC 71-2:1996,  Eq. G.3,  p.189", kHiddenLine),
});

// D and Ht as the user types them: six characters.
constexpr Row EntryBox(int slot, int left) {
  return Box(kPhaseToPhase, slot, {left, kEntryTop - 30, 840, kBoxHeight}).hidden().length(6);
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kClearances1, ClearancePpTableA1, 3360, 840).hidden(),
    LevelBox(kClearances1, ClearancePeTableA1, 3360, 1260).hidden(),
    LevelBox(kPhaseToEarth, ClearancePeTableA2, 2760, kPeClearanceRow).hidden(),
    LevelBox(kPhaseToEarth, U50Pe, 3600, kPeU50Row).hidden(),
    LevelBox(kPhaseToEarth, LiwFromClearancePe, 7680, kPeU50Row).hidden(),
    LevelBox(kPhaseToPhase, ClearancePpTableA3, 2520, kEntryTop).hidden(),
    EntryBox(SilHeightHt, 6960),
    EntryBox(SilDistanceD, 1800),
    LevelBox(kPhaseToPhase, FactorB, 720, kBRow).hidden(),
    LevelBox(kPhaseToPhase, UplusUminus, 2880, kBRow).hidden(),
    LevelBox(kPhaseToPhase, U0Pp, 3000, kU0Row).hidden(),
    LevelBox(kPhaseToPhase, U50Pp, 7980, kU0Row).hidden(),
    // The clearance by the equations, in m: four characters.
    LevelBox(kPhaseToPhase, ClearancePpEquation, 3000, kDRow).hidden().length(4),
});

}  // namespace

std::span<const ControlDesign> Clearances::Design() { return kDesign; }
std::span<const ControlDesign> Clearances::ValueStoreRows() const { return kValueStoreRows; }

}  // namespace insulation_level

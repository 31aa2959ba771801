// The clearance lines as they stand when the main window is loaded, all
// hidden but the two methods of the phase-to-phase clearance. Up to 245 kV
// two lines below the structures of Frame37(10); above 245 kV the table
// clearance phase to earth with its U50 and lightning withstand in
// Frame37(15), and in Frame37(16) the phase-to-phase method, the
// configuration, then either the table clearance or the entry of D and Ht
// with the three rows of the equations. The table row and the entry share
// one height: they never show together.

#include <array>

#include "insulation_level/clearance_designs.hpp"
#include "insulation_level/slots.hpp"
#include "insulation_level/design_rows.hpp"

namespace insulation_level {

namespace {

using namespace design;
using platform::Hidden;
using platform::NoWrap;

constexpr Place kClearances1 = InFrame(10), kPhaseToEarth = InFrame(15), kPhaseToPhase = InFrame(16);
constexpr Place kMethods = InFrame(17), kConfigurations = InFrame(18);

// Rows of the phase-to-phase frame.
constexpr int kEntryTop = 1500, kBRow = 1980, kU0Row = 2460, kDRow = 2940;
constexpr int kSpecialLeft = 8640;

constexpr const char* kTableA1 = "According to IEC 71-2:1996,  Table A.1,  p.119";

// A small label of a caption: a subscript in the middle of the blank run
// after its letter, a superscript above the line over that run.
constexpr ControlDesign Small(Place p, int index, int left, int top, int width, int height, const char* caption) {
  ControlDesign d = Label(p, index, left, top, width, caption, Hidden | NoWrap);
  d.height = height;
  d.fontSize = platform::kSubscriptFontSize;
  return d;
}
constexpr ControlDesign Sub(Place p, int index, int left, int rowTop, int width, const char* caption) {
  return Small(p, index, left, rowTop + 60, width, 195, caption);
}
constexpr ControlDesign Sup(Place p, int index, int left, int rowTop, const char* caption) {
  return Small(p, index, left, rowTop - 180, 120, 165, caption);
}
constexpr ControlDesign Line(Place p, int index, int left, int top, int width, const char* caption) {
  return Label(p, index, left, top, width, caption, Hidden | NoWrap);
}
constexpr ControlDesign EntryCaption(int index, int left, int width, const char* caption) {
  ControlDesign d = Line(kPhaseToPhase, index, left, kEntryTop, width, caption);
  d.name = "Label41";
  return d;
}

constexpr auto kDesign = std::to_array<ControlDesign>({
    // Up to 245 kV.
    Line(kClearances1, 274, 240, 840, 3000, "Phase to phase air clearance (mm)"),
    Line(kClearances1, 275, 4680, 840, 4800, kTableA1),
    Line(kClearances1, 276, 240, 1260, 3000, "Phase to earth air clearance (mm)"),
    Line(kClearances1, 277, 4680, 1260, 4800, kTableA1),

    // Above 245 kV, phase to earth.
    Line(kPhaseToEarth, 327, 240, 720, 2400, "Minimum clearance (mm)"),
    Line(kPhaseToEarth, 326, 7200, 720, 4800, "According to IEC 71-2:1996,  Table A.2,  p.121"),
    Line(kPhaseToEarth, 328, 240, 1200, 3300, "Corresponding to U      = K     530 d  ="),
    Sub(kPhaseToEarth, 329, 1736, 1200, 195, "50"),
    Sub(kPhaseToEarth, 330, 2272, 1200, 150, "ff"),
    Sup(kPhaseToEarth, 331, 2272, 1200, "+"),
    Line(kPhaseToEarth, 332, 4740, 1200, 2880, "kV   and  LIW = U     (1-1,3z) ="),
    Sub(kPhaseToEarth, 333, 6070, 1200, 195, "50"),
    Line(kPhaseToEarth, 334, 8820, 1200, 375, "kV"),

    // Above 245 kV, phase to phase: the method, then the configuration.
    Frame(kPhaseToPhase, 17, 120, 240, 13440, 600, "Minimum air clearance calculation"),
    Option(kMethods, 94, 240, 240, 5400, "According to IEC 71-2:1996,  Table A.3,  p121"),
    Option(kMethods, 93, 6600, 240, 5400, "According to IEC 71-2:1996, equations D.12, G.3, G.5"),
    Frame(kPhaseToPhase, 18, 120, 900, 13440, 480, "", Hidden),
    Option(kConfigurations, 96, 240, 120, 3000, "Rod-conductor configuration"),
    Option(kConfigurations, 95, 6600, 120, 3600, "Conductor-conductor configuration"),
    // Never shown.
    Frame(kPhaseToPhase, 19, 120, 1440, 13440, 1920, "", Hidden),

    // The table clearance.
    Line(kPhaseToPhase, 336, 240, kEntryTop, 2160, "Minimum clearance (mm)"),
    Line(kPhaseToPhase, 335, 3660, kEntryTop, 4800, "  According to IEC 71-2:1996,  Table A.3,  p.121"),
    SpecialTest(kPhaseToPhase, 353, kSpecialLeft, kEntryTop),

    // The entry of D and Ht, on the same row.
    EntryCaption(235, 240, 1500, "Enter D value (m)"),
    EntryCaption(238, 2700, 2520, "Phase to phase air clearance"),
    EntryCaption(236, 5400, 1500, "Enter Ht value (m)"),
    EntryCaption(237, 7860, 2880, "Phase to phase height above earth"),
    Button("Command21", 35, kPhaseToPhase, 10920, kEntryTop - 60, "OK", Hidden),

    // The equations, row by row.
    Line(kPhaseToPhase, 338, 240, kBRow, 420, "B ="),
    Line(kPhaseToPhase, 339, 1920, kBRow, 900, "U  = U  ="),
    Sup(kPhaseToPhase, 340, 2030, kBRow, "+"),
    Sup(kPhaseToPhase, 341, 2413, kBRow, "-"),
    Line(kPhaseToPhase, 354, 4020, kBRow, 375, "kV"),
    Line(kPhaseToPhase, 342, 240, kU0Row, 2700, "Hence U   = U     = U   + B U   ="),
    Sup(kPhaseToPhase, 344, 912, kU0Row, "+"),
    Sub(kPhaseToPhase, 343, 912, kU0Row, 120, "o"),
    Sub(kPhaseToPhase, 345, 1327, kU0Row, 195, "10"),
    Sup(kPhaseToPhase, 346, 1806, kU0Row, "+"),
    Sup(kPhaseToPhase, 347, 2373, kU0Row, "-"),
    Line(kPhaseToPhase, 348, 4140, kU0Row, 3780, "kV  corresponding to U      = U      / (1-1,3z) ="),
    Sub(kPhaseToPhase, 349, 5881, kU0Row, 195, "50"),
    Sub(kPhaseToPhase, 350, 6417, kU0Row, 195, "10"),
    Line(kPhaseToPhase, 355, 9120, kU0Row, 375, "kV"),
    Line(kPhaseToPhase, 352, 240, kDRow, 2640, "    Minimum clearance (m)"),
    Line(kPhaseToPhase, 351, 4140, kDRow, 4200, "According to IEC 71-2:1996,  Eq. G.3,  p.189"),
});

// D and Ht as the user types them: six characters.
constexpr ControlDesign Entry(int slot, int left) {
  return {.kind = platform::Kind::TextBox, .name = "Text1", .index = slot, .container = kPhaseToPhase.container,
          .containerIndex = kPhaseToPhase.containerIndex, .left = left, .top = kEntryTop - 30, .width = 840,
          .height = kRowHeight, .flags = Hidden, .maxLength = 6};
}

constexpr auto kValueStoreRows = std::to_array<ControlDesign>({
    LevelBox(kPhaseToPhase, ClearancePpTableA3, 2520, kEntryTop, Hidden),
    Entry(SilHeightHt, 6960),
    Entry(SilDistanceD, 1800),
    LevelBox(kPhaseToPhase, FactorB, 720, kBRow, Hidden),
    LevelBox(kPhaseToPhase, UplusUminus, 2880, kBRow, Hidden),
    LevelBox(kPhaseToPhase, U0Pp, 3000, kU0Row, Hidden),
    LevelBox(kPhaseToPhase, U50Pp, 7980, kU0Row, Hidden),
});

}  // namespace

std::span<const ControlDesign> ClearanceLinesDesign() { return kDesign; }
std::span<const ControlDesign> ClearanceLinesValueStoreRows() { return kValueStoreRows; }

}  // namespace insulation_level

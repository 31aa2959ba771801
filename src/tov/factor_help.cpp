#include "tov/factor_help.hpp"

#include <string_view>

#include "frame/routes.hpp"

namespace tov {

namespace {

using frame::ControlRef;
using frame::HelpText;
using frame::kKeepHeight;
using platform::kNoIndex;

constexpr int kOneLine = 0;
constexpr int kTwoLines = 120;  // the two lines straddle the caption

constexpr const char* kZeroSequence = "Reactance of zero sequence system";
constexpr const char* kPositiveSequence = "Reactance of positive sequence system";
constexpr const char* kCapacitance = "Positive sequence system capacitance per km line";
constexpr const char* kReceivingVoltage = "Voltage at the receiving end of the line?";
constexpr const char* kChargingPower = "Capacitive charging power of the line (Positive sequence system)";
constexpr const char* kInductance = "Positive sequence system inductance per km line";
constexpr const char* kUk = "Transformer short circuit impendace";

constexpr ControlRef kK1Help{"Label3"};
constexpr ControlRef kK2Help{"Label23", 0};
constexpr ControlRef kK3Help{"Label10"};
constexpr ControlRef kK4Help{"Label63"};
constexpr ControlRef kCombHelp{"Label27"};

constexpr ControlRef Caption(int i) { return {"Label33", i}; }

// Each caption and the subscript that belongs to it show the same text at the
// same place, so the help stays put while the mouse moves between them.
constexpr HelpText kTexts[] = {
    // Load rejection K1: the captions are single labels with mouse-over events of their own.
    {"lblQL1", kK1Help, "lblQL1", "Reactive load", kOneLine, kKeepHeight},
    {{"lblPL1", 2}, kK1Help, {"lblPL1", 2}, "Resistive load", kOneLine, kKeepHeight},
    {"lblSSC1", kK1Help, "lblSSC1", "Short circuit power of the system", kOneLine, kKeepHeight},
    {"lblXd1", kK1Help, "lblXd1", "Generator sub transient reactance", kOneLine, kKeepHeight},
    {"lblUk1", kK1Help, "lblUk1", kUk, kOneLine, kKeepHeight},
    {"Label73", kK1Help, "lblUk1", kUk, kOneLine, kKeepHeight},
    {"lblSG1", kK1Help, "lblSG1", "Rated power of the generator", kOneLine, kKeepHeight},
    {"lblSTr1", kK1Help, "lblSTr1", "Rated power of the transformer", kOneLine, kKeepHeight},
    {"lblCos1", kK1Help, "lblCos1", "Power factor of the generator", kOneLine, kKeepHeight},

    // Energization of unloaded lines K2.
    {Caption(0), kK2Help, Caption(0), "Power frequency", kOneLine, 255},
    {Caption(1), kK2Help, Caption(1), "Line length", kOneLine, 255},
    {Caption(2), kK2Help, Caption(2), kCapacitance, kTwoLines, 510},
    {Caption(3), kK2Help, Caption(2), kCapacitance, kTwoLines, 510},
    {Caption(4), kK2Help, Caption(4), kReceivingVoltage, kTwoLines, 510},
    {Caption(5), kK2Help, Caption(4), kReceivingVoltage, kTwoLines, 510},
    {Caption(6), kK2Help, Caption(6), kChargingPower, kTwoLines, 510},
    {Caption(7), kK2Help, Caption(6), kChargingPower, kTwoLines, 510},
    {Caption(8), kK2Help, Caption(8), "Short circuit power of system", kOneLine, 255},
    {Caption(9), kK2Help, Caption(8), "Short circuit power of system", kOneLine, 255},
    {Caption(10), kK2Help, Caption(10), "Compensation power at sending end", kOneLine, 255},
    {Caption(11), kK2Help, Caption(10), "Compensation power at sending end", kOneLine, 255},
    {Caption(12), kK2Help, Caption(12), "Compensation power at receiving end", kOneLine, 255},
    {Caption(13), kK2Help, Caption(12), "Compensation power at receiving end", kOneLine, 255},
    {Caption(14), kK2Help, Caption(14), "Power of the line", kOneLine, 255},
    {Caption(15), kK2Help, Caption(14), "Power of the line", kOneLine, 255},
    {Caption(16), kK2Help, Caption(16), kInductance, kTwoLines, 510},
    {Caption(17), kK2Help, Caption(16), kInductance, kTwoLines, 510},

    // Earth fault K3.
    {Caption(18), kK3Help, Caption(18), kZeroSequence, kOneLine, kKeepHeight},
    {Caption(19), kK3Help, Caption(18), kZeroSequence, kOneLine, kKeepHeight},
    {Caption(20), kK3Help, Caption(20), kPositiveSequence, kTwoLines, 550},
    {Caption(21), kK3Help, Caption(20), kPositiveSequence, kTwoLines, 550},

    // Resonance effects K4 (the subscripts Tr, SC and L show nothing).
    {Caption(22), kK4Help, Caption(22), "Rated power of transformer", kOneLine, kKeepHeight},
    {Caption(24), kK4Help, Caption(24), "Short circuit power", kOneLine, kKeepHeight},
    {Caption(26), kK4Help, Caption(26), "Capacitive load", kOneLine, kKeepHeight},

    // Combination of TOV: both the captions of the combination frame and the
    // reactance captions above them explain X0 and X1 level with the lower pair.
    {Caption(34), kCombHelp, Caption(36), kZeroSequence, kOneLine, kKeepHeight},
    {Caption(35), kCombHelp, Caption(37), kPositiveSequence, kTwoLines, 550},
    {Caption(36), kCombHelp, Caption(36), kZeroSequence, kOneLine, kKeepHeight},
    {Caption(37), kCombHelp, Caption(37), kPositiveSequence, kTwoLines, 550},
};

// A group of labels that an option's mouse-over shows or a frame's hides.
struct Labels {
  ControlRef refs[4];
  int count;
  frame::ControlRefs all() const { return {refs, static_cast<std::size_t>(count)}; }
};

constexpr Labels kK2SimplifiedNote{{{"Label9", 1}, "Label21", "Label67", "Label68"}, 4};
constexpr Labels kK3ZeroResistanceNote{{"Label55", "Label54", "Label56", "Label57"}, 4};
constexpr Labels kK4NormalCaseNote{{"Label76"}, 1};
constexpr Labels kK4TapChangerNote{{"Label69"}, 1};

// Option1 elements whose mouse-over shows a note.
struct Note {
  int option;
  Labels labels;
};
constexpr Note kNotes[] = {
    {6, kK2SimplifiedNote},
    {8, kK3ZeroResistanceNote},
    {21, kK4NormalCaseNote},
    {22, kK4TapChangerNote},
};

// Frames whose surface hides the help and notes of their page.
struct Hider {
  const char* frame;
  Labels labels;
};
constexpr Hider kHiders[] = {
    {"fraCalculateK1", {{kK1Help}, 1}},
    {"Frame3", {{kK2Help}, 1}},
    {"Frame4", kK2SimplifiedNote},
    {"Frame8", kK3ZeroResistanceNote},
    {"Frame10", {{kK3Help}, 1}},
    {"Frame12", {{kK4Help}, 1}},
    {"Frame16", {{"Label76", "Label69"}, 2}},
    {"Frame17", {{kCombHelp}, 1}},
};

bool IsRoutedCaption(const HelpText& help) { return std::string_view(help.hovered.name) == "Label33"; }

}  // namespace

std::span<const HelpText> FactorHelp::Texts() { return kTexts; }

void FactorHelp::DeclareRoutes(frame::Routes& routes) {
  using platform::EventType;
  // The K1 captions are named controls; lblPL1(2), the one control of its
  // name, is answered by that name like the others.
  for (const HelpText& help : kTexts) {
    if (IsRoutedCaption(help))
      routes.on(frame::Label33MouseMove, help.hovered.index, [this, &help] { ShowHelpText(app_, help); });
    else
      routes.on(help.hovered.name, EventType::MouseMove, [this, &help] { ShowHelpText(app_, help); });
  }
  for (const Note& note : kNotes)
    routes.on(frame::Option1MouseMove, note.option, [this, &note] { SetVisible(app_, note.labels.all(), true); });
  for (const Hider& hider : kHiders)
    routes.on(hider.frame, EventType::MouseMove, [this, &hider] { SetVisible(app_, hider.labels.all(), false); });
}

}  // namespace tov

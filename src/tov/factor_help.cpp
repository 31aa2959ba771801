#include "tov/factor_help.hpp"

#include <string>

namespace tov {

namespace {

using platform::kNoIndex;

constexpr int kOneLine = 0;
constexpr int kTwoLines = 120;  // the two lines straddle the caption
constexpr int kKeepHeight = 0;

constexpr const char* kZeroSequence = "Reactance of zero sequence system";
constexpr const char* kPositiveSequence = "Reactance of positive sequence system";

// Each caption and the subscript that belongs to it show the same text at the
// same place, so the help stays put while the mouse moves between them.
constexpr HelpText kTexts[] = {
    // Load rejection K1: the captions' own mouse-over.
    {"lblQL1_MouseMove", "Label3", kNoIndex, "lblQL1", kNoIndex, "Reactive load", kOneLine, kKeepHeight},
    {"lblPL1_MouseMove", "Label3", kNoIndex, "lblPL1", 2, "Resistive load", kOneLine, kKeepHeight},
    {"lblSSC1_MouseMove", "Label3", kNoIndex, "lblSSC1", kNoIndex, "Short circuit power of the system", kOneLine,
     kKeepHeight},
    {"lblXd1_MouseMove", "Label3", kNoIndex, "lblXd1", kNoIndex, "Generator sub transient reactance", kOneLine,
     kKeepHeight},
    {"lblUk1_MouseMove", "Label3", kNoIndex, "lblUk1", kNoIndex, "Transformer short circuit impendace", kOneLine,
     kKeepHeight},
    {"Label73_MouseMove", "Label3", kNoIndex, "lblUk1", kNoIndex, "Transformer short circuit impendace", kOneLine,
     kKeepHeight},
    {"lblSG1_MouseMove", "Label3", kNoIndex, "lblSG1", kNoIndex, "Rated power of the generator", kOneLine,
     kKeepHeight},
    {"lblSTr1_MouseMove", "Label3", kNoIndex, "lblSTr1", kNoIndex, "Rated power of the transformer", kOneLine,
     kKeepHeight},
    {"lblCos1_MouseMove", "Label3", kNoIndex, "lblCos1", kNoIndex, "Power factor of the generator", kOneLine,
     kKeepHeight},

    // Energization of unloaded lines K2 (the power frequency of Label33(0) is
    // placed by the caption routing itself).
    {"Label34_MouseMove", "Label23", 0, "Label33", 1, "Line length", kOneLine, 255},
    {"Label35_MouseMove", "Label23", 0, "Label33", 2, "Positive sequence system capacitance per km line", kTwoLines,
     510},
    {"Label36_MouseMove", "Label23", 0, "Label33", 2, "Positive sequence system capacitance per km line", kTwoLines,
     510},
    {"Label39_MouseMove", "Label23", 0, "Label33", 4, "Voltage at the receiving end of the line?", kTwoLines, 510},
    {"Label40_MouseMove", "Label23", 0, "Label33", 4, "Voltage at the receiving end of the line?", kTwoLines, 510},
    {"Label31_MouseMove", "Label23", 0, "Label33", 6,
     "Capacitive charging power of the line (Positive sequence system)", kTwoLines, 510},
    {"Label32_MouseMove", "Label23", 0, "Label33", 6,
     "Capacitive charging power of the line (Positive sequence system)", kTwoLines, 510},
    {"ShowK2HelpShortCircuitPower", "Label23", 0, "Label33", 8, "Short circuit power of system", kOneLine, 255},
    {"Label42_MouseMove", "Label23", 0, "Label33", 8, "Short circuit power of system", kOneLine, 255},
    {"Label27_MouseMove", "Label23", 0, "Label33", 10, "Compensation power at sending end", kOneLine, 255},
    {"Label28_MouseMove", "Label23", 0, "Label33", 10, "Compensation power at sending end", kOneLine, 255},
    {"Label29_MouseMove", "Label23", 0, "Label33", 12, "Compensation power at receiving end", kOneLine, 255},
    {"ShowK2HelpReceivingEndCompensation", "Label23", 0, "Label33", 12, "Compensation power at receiving end",
     kOneLine, 255},
    {"Label43_MouseMove", "Label23", 0, "Label33", 14, "Power of the line", kOneLine, 255},
    {"Label44_MouseMove", "Label23", 0, "Label33", 14, "Power of the line", kOneLine, 255},
    {"Label37_MouseMove", "Label23", 0, "Label33", 16, "Positive sequence system inductance per km line", kTwoLines,
     510},
    {"Label38_MouseMove", "Label23", 0, "Label33", 16, "Positive sequence system inductance per km line", kTwoLines,
     510},

    // Earth fault K3.
    {"Label70_MouseMove", "Label10", kNoIndex, "Label33", 18, kZeroSequence, kOneLine, kKeepHeight},
    {"Label62_MouseMove", "Label10", kNoIndex, "Label33", 18, kZeroSequence, kOneLine, kKeepHeight},
    {"Label71_MouseMove", "Label10", kNoIndex, "Label33", 20, kPositiveSequence, kTwoLines, 550},
    {"Label60_MouseMove", "Label10", kNoIndex, "Label33", 20, kPositiveSequence, kTwoLines, 550},

    // Resonance effects K4 (the subscripts Tr, SC and L show nothing).
    {"ShowK4HelpTransformerRating", "Label63", kNoIndex, "Label33", 22, "Rated power of transformer", kOneLine,
     kKeepHeight},
    {"ShowK4HelpShortCircuitPower", "Label63", kNoIndex, "Label33", 24, "Short circuit power", kOneLine,
     kKeepHeight},
    {"ShowK4HelpCapacitiveLoad", "Label63", kNoIndex, "Label33", 26, "Capacitive load", kOneLine, kKeepHeight},

    // Combination of TOV.
    {"ShowCombinationHelpX0", "Label27", kNoIndex, "Label33", 36, kZeroSequence, kOneLine, kKeepHeight},
    {"ShowCombinationHelpX1", "Label27", kNoIndex, "Label33", 37, kPositiveSequence, kTwoLines, 550},
};

// The K1 captions are single labels with mouse-over events of their own.
constexpr const char* kK1Captions[] = {"lblQL1", "lblPL1", "lblSSC1", "lblXd1", "lblUk1",
                                       "Label73", "lblSG1", "lblSTr1", "lblCos1"};

}  // namespace

std::span<const HelpText> FactorHelp::Texts() { return kTexts; }

void FactorHelp::ShowText(const HelpText& help) {
  platform::Control& label = app_.control(help.label, help.labelIndex);
  const platform::Control& anchor = app_.control(help.anchor, help.anchorIndex);
  label.setCaption(help.text);
  const int height = help.height == kKeepHeight ? label.height() : help.height;
  label.setGeometry(label.left(), anchor.top() - help.raise, label.width(), height);
  label.setVisible(true);
}

void FactorHelp::SetLabels(std::initializer_list<std::pair<const char*, int>> labels, bool visible) {
  for (const auto& [name, index] : labels) app_.control(name, index).setVisible(visible);
}

void FactorHelp::ShowK2SimplifiedNote() {
  SetLabels({{"Label9", 1}, {"Label21", kNoIndex}, {"Label67", kNoIndex}, {"Label68", kNoIndex}}, true);
}
void FactorHelp::ShowK3ZeroResistanceNote() {
  SetLabels({{"Label55", kNoIndex}, {"Label54", kNoIndex}, {"Label56", kNoIndex}, {"Label57", kNoIndex}}, true);
}
void FactorHelp::ShowK4NormalCaseNote() { SetLabels({{"Label76", kNoIndex}}, true); }
void FactorHelp::ShowK4TapChangerNote() { SetLabels({{"Label69", kNoIndex}}, true); }

void FactorHelp::fraCalculateK1_MouseMove() { SetLabels({{"Label3", kNoIndex}}, false); }
void FactorHelp::Frame3_MouseMove() { SetLabels({{"Label23", 0}}, false); }
void FactorHelp::Frame4_MouseMove() {
  SetLabels({{"Label9", 1}, {"Label21", kNoIndex}, {"Label67", kNoIndex}, {"Label68", kNoIndex}}, false);
}
void FactorHelp::Frame8_MouseMove() {
  SetLabels({{"Label55", kNoIndex}, {"Label54", kNoIndex}, {"Label56", kNoIndex}, {"Label57", kNoIndex}}, false);
}
void FactorHelp::Frame10_MouseMove() { SetLabels({{"Label10", kNoIndex}}, false); }
void FactorHelp::Frame12_MouseMove() { SetLabels({{"Label63", kNoIndex}}, false); }
void FactorHelp::Frame16_MouseMove() { SetLabels({{"Label76", kNoIndex}, {"Label69", kNoIndex}}, false); }
void FactorHelp::Frame17_MouseMove() { SetLabels({{"Label27", kNoIndex}}, false); }

void FactorHelp::Build(platform::Window& w) {
  using platform::EventType;
  for (const char* caption : kK1Captions) {
    const std::string routine = std::string(caption) + "_MouseMove";
    for (const HelpText& help : kTexts) {
      if (routine == help.routine) {
        w.on(caption, EventType::MouseMove, [this, &help](platform::Event&) { ShowText(help); });
      }
    }
  }
  const std::pair<const char*, void (FactorHelp::*)()> frames[] = {
      {"fraCalculateK1", &FactorHelp::fraCalculateK1_MouseMove},
      {"Frame3", &FactorHelp::Frame3_MouseMove},
      {"Frame4", &FactorHelp::Frame4_MouseMove},
      {"Frame8", &FactorHelp::Frame8_MouseMove},
      {"Frame10", &FactorHelp::Frame10_MouseMove},
      {"Frame12", &FactorHelp::Frame12_MouseMove},
      {"Frame16", &FactorHelp::Frame16_MouseMove},
      {"Frame17", &FactorHelp::Frame17_MouseMove},
  };
  for (const auto& [frame, hide] : frames) {
    w.on(frame, EventType::MouseMove, [this, hide](platform::Event&) { (this->*hide)(); });
  }
}

void FactorHelp::Register(frame::Procedures& procedures) {
  for (const HelpText& help : kTexts) {
    procedures.add(help.routine, [this, &help] { ShowText(help); });
  }
  procedures.add("ShowK2SimplifiedNote", [this] { ShowK2SimplifiedNote(); });
  procedures.add("ShowK3ZeroResistanceNote", [this] { ShowK3ZeroResistanceNote(); });
  procedures.add("ShowK4NormalCaseNote", [this] { ShowK4NormalCaseNote(); });
  procedures.add("ShowK4TapChangerNote", [this] { ShowK4TapChangerNote(); });
  procedures.add("fraCalculateK1_MouseMove", [this] { fraCalculateK1_MouseMove(); });
  procedures.add("Frame3_MouseMove", [this] { Frame3_MouseMove(); });
  procedures.add("Frame4_MouseMove", [this] { Frame4_MouseMove(); });
  procedures.add("Frame8_MouseMove", [this] { Frame8_MouseMove(); });
  procedures.add("Frame10_MouseMove", [this] { Frame10_MouseMove(); });
  procedures.add("Frame12_MouseMove", [this] { Frame12_MouseMove(); });
  procedures.add("Frame16_MouseMove", [this] { Frame16_MouseMove(); });
  procedures.add("Frame17_MouseMove", [this] { Frame17_MouseMove(); });
}

}  // namespace tov

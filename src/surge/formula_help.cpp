// The help of the formula frames' field captions: a mouse move over a
// caption puts its explanation into the tab's help label Label85 beside the
// boxes, centred on the caption's line; a mouse move over any Frame30 hides
// every help label of those frames.

#include <string_view>

#include "frame/help_text.hpp"
#include "frame/routes.hpp"
#include "surge/formula_tabs.hpp"

namespace surge {

namespace {

using frame::ControlRef;
using frame::HelpText;

// A text of one, two or three lines stands centred on its caption's line.
constexpr int kOneLine = 0, kTwoLines = 120, kThreeLines = 255;
constexpr int kOneLineHeight = 255, kTwoLinesHeight = 510, kThreeLinesHeight = 765;

constexpr ControlRef kFormula1Help{"Label85", 0};
constexpr ControlRef kFormula2Help{"Label85", 1};
constexpr ControlRef kFormula3Help{"Label85", 2};

constexpr ControlRef Caption(int i) { return {"Label33", i}; }
constexpr ControlRef UplCaption(int i) { return {"Label41", i}; }

constexpr const char* kSeparation = "Separation distance between S.A. and protected equipment";
constexpr const char* kUpl = "Lightning impulse protection level of SA";

// A subscript shows its caption's help at the caption's place.
constexpr HelpText kTexts[] = {
    {Caption(40), kFormula1Help, Caption(40), kSeparation, kTwoLines, kTwoLinesHeight},
    {Caption(41), kFormula1Help, Caption(41), "Steepness of a lightning surge impinging on a substation", kTwoLines,
     kTwoLinesHeight},
    {Caption(70), kFormula1Help, Caption(70), "Velocity of light (300m/μs)", kOneLine, kOneLineHeight},
    {UplCaption(150), kFormula1Help, UplCaption(151), kUpl, kTwoLines, kTwoLinesHeight},
    {UplCaption(151), kFormula1Help, UplCaption(151), kUpl, kTwoLines, kTwoLinesHeight},

    {Caption(42), kFormula2Help, Caption(42), kSeparation, kTwoLines, kTwoLinesHeight},
    {Caption(43), kFormula2Help, Caption(43), "Span length", kOneLine, kOneLineHeight},
    {Caption(44), kFormula2Help, Caption(43), "Span length", kOneLine, kOneLineHeight},
    {Caption(45), kFormula2Help, Caption(45), "Minimum of lines connected to substation (n=1 or n=2)", kTwoLines,
     kTwoLinesHeight},
    {Caption(46), kFormula2Help, Caption(46),
     "Factor describing the lightning performance of the overhead line connected to the station", kThreeLines,
     kThreeLinesHeight},
    {UplCaption(152), kFormula2Help, UplCaption(153), kUpl, kTwoLines, kTwoLinesHeight},
    {UplCaption(153), kFormula2Help, UplCaption(153), kUpl, kTwoLines, kTwoLinesHeight},

    // The subscript "s" of Ks covers part of its caption and shows nothing.
    {Caption(48), kFormula3Help, Caption(48), "Basic Insulation Level of equipment", kOneLine, kOneLineHeight},
    {Caption(49), kFormula3Help, Caption(49), "Safety factor", kOneLine, kOneLineHeight},
};

// Label85(0) to (2) belong to the formula tabs, (3) and (4) to the
// co-ordination fast-front tabs, (5) to (7) to the required-withstand pages.
constexpr int kHelpLabels = 8;
// The frames around the captions that show help: those of the formula tabs,
// the co-ordination fast-front tabs and the required-withstand tabs.
constexpr int kFrames30[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14};

}  // namespace

std::span<const HelpText> FormulaTabs::HelpTexts() { return kTexts; }

void FormulaTabs::HideHelp() {
  for (int i = 0; i < kHelpLabels; ++i)
    if (platform::Control* help = app_.main().find("Label85", i)) help->setVisible(false);
}

void FormulaTabs::DeclareHelpRoutes(frame::Routes& routes) {
  for (const HelpText& help : kTexts) {
    const bool uplCaption = std::string_view(help.hovered.name) == "Label41";
    routes.on(uplCaption ? frame::Label41MouseMove : frame::Label33MouseMove, help.hovered.index,
              [this, &help] { ShowHelpText(app_, help); });
  }
  for (int frame : kFrames30) routes.on(frame::Frame30MouseMove, frame, [this] { HideHelp(); });
}

}  // namespace surge

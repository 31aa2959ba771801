// The help of the formula tabs' captions: each text at its caption, one to
// three lines high, always inside its frame; any Frame30 hides them all.

#include "fast_front_fixture.hpp"
#include "frame/routes.hpp"
#include "surge/formula_tabs.hpp"

namespace {

struct Shown {
  const char* hovered;
  int index;
  int label;  // Label85
  int top, height;
  const char* text;
};

// Tops from the design: the captions of Formula I and II stand at 330, 750,
// 1170, 1590 and 2010, those of Formula III at 330 and 750.
constexpr Shown kShown[] = {
    {"Label33", 40, 0, 1170 - 120, 510, "Separation distance between S.A. and protected equipment"},
    {"Label33", 41, 0, 1590 - 120, 510, "Steepness of a lightning surge impinging on a substation"},
    {"Label33", 70, 0, 750, 255, "Velocity of light (300m/μs)"},
    {"Label41", 150, 0, 330 - 120, 510, "Lightning impulse protection level of SA"},
    {"Label41", 151, 0, 330 - 120, 510, "Lightning impulse protection level of SA"},
    {"Label33", 42, 1, 750 - 120, 510, "Separation distance between S.A. and protected equipment"},
    {"Label33", 43, 1, 1170, 255, "Span length"},
    {"Label33", 44, 1, 1170, 255, "Span length"},
    {"Label33", 45, 1, 1590 - 120, 510, "Minimum of lines connected to substation (n=1 or n=2)"},
    {"Label33", 46, 1, 2010 - 255, 765,
     "Factor describing the lightning performance of the overhead line connected to the station"},
    {"Label41", 152, 1, 330 - 120, 510, "Lightning impulse protection level of SA"},
    {"Label41", 153, 1, 330 - 120, 510, "Lightning impulse protection level of SA"},
    {"Label33", 48, 2, 330, 255, "Basic Insulation Level of equipment"},
    {"Label33", 49, 2, 750, 255, "Safety factor"},
};

TEST_F(FastFrontTest, EveryCaptionShowsItsHelpCentredOnItsLine) {
  EXPECT_EQ(surge::FormulaTabs::HelpTexts().size(), std::size(kShown));
  for (const Shown& s : kShown) {
    hover(s.hovered, s.index);
    const platform::Control& help = c("Label85", s.label);
    EXPECT_TRUE(help.visible()) << s.hovered << s.index;
    EXPECT_EQ(help.caption(), s.text) << s.hovered << s.index;
    EXPECT_EQ(help.top(), s.top) << s.hovered << s.index;
    EXPECT_EQ(help.height(), s.height) << s.hovered << s.index;
    EXPECT_EQ(help.left(), 3360);
    EXPECT_EQ(help.width(), 2655);
    // The whole text stands inside the frame.
    EXPECT_GE(help.top(), 0);
    EXPECT_LE(help.top() + help.height(), c("Frame30", s.label).height()) << s.hovered << s.index;
  }
}

TEST_F(FastFrontTest, TheKsSubscriptShowsNothingAndAnyFrame30HidesEveryHelp) {
  hover("Label33", 48);
  hover("Label33", 47);
  EXPECT_EQ(c("Label85", 2).caption(), "Basic Insulation Level of equipment");
  hover("Label33", 50);  // the note of Ks has no help either
  hover("Label33", 40);
  hover("Label33", 46);
  EXPECT_TRUE(c("Label85", 0).visible());
  EXPECT_TRUE(c("Label85", 2).visible());
  hover("Frame30", 1);  // whichever frame it is
  for (int i = 0; i <= 2; ++i) EXPECT_FALSE(c("Label85", i).visible()) << i;
  // The frames of the later pages will hide them too.
  for (int frame = 0; frame <= 14; ++frame) EXPECT_TRUE(program().routes.Has(frame::Frame30MouseMove, frame)) << frame;
}

}  // namespace

// The number-text helpers and the frame's reading and writing of numbers.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "platform/numbers.hpp"
#include "platform/scripted_services.hpp"

namespace {

using platform::ControlDesign;
using platform::Kind;

constexpr ControlDesign kBoxes[] = {
    {.kind = Kind::TextBox, .name = "Text8", .caption = "Text8"},
    {.kind = Kind::TextBox, .name = "Text1", .index = 14, .maxLength = 6},
};

class NumberTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::WindowDefinition d{"frmTest", "Test", 9000, 6000,
                                 [this](platform::Window& w) {
                                   w.createAll(kBoxes);
                                   w.on("Text8", platform::EventType::Change, [this](platform::Event&) { ++changes; });
                                 },
                                 {}};
    w = &h.platform.load(d);
  }

  platform::Control& box() { return w->get("Text8"); }
  platform::Control& urpBox() { return w->get("Text1", 14); }
  // Puts a text into the scratch box without counting its change.
  void Put(const std::string& text) {
    box().setText(text);
    changes = 0;
  }
  std::string FourChars(const std::string& text) {
    Put(text);
    frame::FormatFourCharsWithComma(app.module1, box());
    return box().text();
  }

  platform::HeadlessPlatform h;
  frame::App app{h.platform};
  platform::Window* w = nullptr;
  int changes = 0;
};

TEST_F(NumberTextTest, ReplaceDotWithCommaRewritesEveryDotAndNothingElse) {
  Put("");
  frame::ReplaceDotWithComma(app.module1, box());
  EXPECT_EQ(box().text(), "");
  EXPECT_EQ(changes, 0);

  Put("12,5");
  frame::ReplaceDotWithComma(app.module1, box());
  EXPECT_EQ(box().text(), "12,5");
  EXPECT_EQ(changes, 0);

  Put("1.000.5");
  frame::ReplaceDotWithComma(app.module1, box());
  EXPECT_EQ(box().text(), "1,000,5");
  EXPECT_EQ(changes, 1);
}

TEST_F(NumberTextTest, FiveCharsCountTheLeadingBlank) {
  std::string s = " 0.123456";
  frame::FormatFiveCharsWithComma(app.module1, s, box());
  EXPECT_EQ(s, " 0,12");
  EXPECT_EQ(box().text(), " 0,12");
  s = " .8";
  frame::FormatFiveCharsWithComma(app.module1, s, box());
  EXPECT_EQ(s, " ,8");
  EXPECT_EQ(box().text(), " ,8");
}

TEST_F(NumberTextTest, FourCharsNeverEndInACommaInFourthPlace) {
  EXPECT_EQ(FourChars("12.34"), "12,3");
  EXPECT_EQ(FourChars("123.4"), "123");
  EXPECT_EQ(FourChars("123,4"), "123");
  EXPECT_EQ(FourChars("123,45"), "123");
  EXPECT_EQ(FourChars("1234,5"), "1234");
  EXPECT_EQ(FourChars("0,85"), "0,85");
  EXPECT_EQ(FourChars("Ignored"), "Igno");
  EXPECT_EQ(FourChars("1.5"), "1,5");
  EXPECT_EQ(FourChars("12,"), "12,");  // a comma in third place stays
}

TEST_F(NumberTextTest, FixedPointWithoutExponentWritesTheDefaultText) {
  EXPECT_TRUE(frame::FormatFixedPoint(app.module1, " 12.5", box()));
  EXPECT_EQ(box().text(), "12,5");
  EXPECT_TRUE(frame::FormatFixedPoint(app.module1, "-3", box()));
  EXPECT_EQ(box().text(), "-3");
  EXPECT_TRUE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(0.5), box()));
  EXPECT_EQ(box().text(), "0,5");
  EXPECT_TRUE(frame::FormatFixedPoint(app.module1, " 2.25", box()));
  EXPECT_EQ(box().text(), "2,25");
}

TEST_F(NumberTextTest, FixedPointOfAnExponentFormFitsEightCharactersAndReadsBack) {
  const std::string plain = platform::PlainNumberText(0.000015);
  ASSERT_EQ(plain, " 1.5E-05");
  ASSERT_TRUE(frame::FormatFixedPoint(app.module1, plain, box()));
  EXPECT_EQ(box().text(), "0,000015");
  EXPECT_EQ(platform::TextToNumber(box().text()), 0.000015);

  ASSERT_TRUE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(1.23456e-5), box()));
  EXPECT_EQ(box().text().size(), 8u);
  EXPECT_NEAR(*platform::TextToNumber(box().text()), 1.23456e-5, 0.5e-6);
}

TEST_F(NumberTextTest, FixedPointRefusesWhatEightCharactersCannotHold) {
  Put("kept");
  EXPECT_FALSE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(1e-9), box()));
  EXPECT_FALSE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(1.5e20), box()));
  EXPECT_FALSE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(1e-100), box()));  // three exponent digits
  EXPECT_FALSE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(std::numeric_limits<double>::infinity()), box()));
  EXPECT_FALSE(frame::FormatFixedPoint(app.module1, platform::PlainNumberText(std::nan("")), box()));
  EXPECT_EQ(box().text(), "kept");
  EXPECT_EQ(changes, 0);
}

TEST_F(NumberTextTest, ReadNumberNormalisesTheBoxBeforeConverting) {
  Put("0.8");
  EXPECT_EQ(app.ReadNumber(box()), 0.8);
  EXPECT_EQ(box().text(), "0,8");
  EXPECT_EQ(changes, 1);

  Put("abc");
  EXPECT_EQ(app.ReadNumber(box()), std::nullopt);
  EXPECT_EQ(box().text(), "abc");
  Put("1E999");
  EXPECT_EQ(app.ReadNumber(box()), std::nullopt);
}

TEST_F(NumberTextTest, WriteNumberCutsByMaxLengthAndWritesNothingUnshowable) {
  EXPECT_TRUE(app.WriteNumber(urpBox(), 420 / std::sqrt(3.0)));
  EXPECT_EQ(urpBox().text(), "242,48");
  EXPECT_FALSE(app.WriteNumber(urpBox(), std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(app.WriteNumber(urpBox(), 1e9));  // integer part longer than the box
  EXPECT_EQ(urpBox().text(), "242,48");
}

TEST_F(NumberTextTest, MessagesOfTheChecksPadTheirTitles) {
  app.InvalidValueBox();
  app.InvalidValueGroup();
  ASSERT_EQ(h.dialogs.messages.size(), 2u);
  EXPECT_EQ(h.dialogs.messages[0].prompt, "Enter a valid value");
  EXPECT_EQ(h.dialogs.messages[0].title, "Invalid value" + std::string(21, ' '));
  EXPECT_EQ(h.dialogs.messages[1].prompt, "Enter a valid value...");
  EXPECT_EQ(h.dialogs.messages[1].title, "Invalid value" + std::string(20, ' '));
}

}  // namespace

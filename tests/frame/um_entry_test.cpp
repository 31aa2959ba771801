// Um entry: the range decision, the refusals with their exact texts, the
// Enter key and the date label.

#include <string>

#include "frame_fixture.hpp"

namespace {

class UmEntryTest : public FrameTest {
 protected:
  void SetUp() override { Start(); }

  void ExpectEntryState() {
    EXPECT_FALSE(c("lblRange").visible());
    EXPECT_EQ(c("lblRange").caption(), "");
    EXPECT_TRUE(c("txtUm").visible());
    EXPECT_TRUE(c("cmdOKUm").visible());
    EXPECT_TRUE(c("Label2").visible());
    EXPECT_TRUE(c("Label1", 0).visible());
    EXPECT_FALSE(c("tabGeneral").enabled());
    EXPECT_FALSE(c("tabSubGeneral1").visible());
    EXPECT_EQ(c("txtUm").text(), "");
  }

  void ExpectRefused(const std::string& typed, const std::string& prompt) {
    SCOPED_TRACE("Um " + typed);
    const std::size_t before = messageCount();
    EnterUm(typed);
    ASSERT_EQ(messageCount(), before + 1);
    EXPECT_EQ(lastMessage().prompt, prompt);
    EXPECT_EQ(lastMessage().title, kInvalidUmTitle);
    ExpectEntryState();
  }

  void ExpectRange(const std::string& typed, const std::string& range) {
    SCOPED_TRACE("Um " + typed);
    EnterUm(typed);
    EXPECT_EQ(messageCount(), 0u);
    EXPECT_EQ(c("lblRange").caption(), range);
  }
};

TEST_F(UmEntryTest, AnEmptyBoxIsRefusedAndOkStaysEnabled) {
  ClickOK();
  ASSERT_EQ(messageCount(), 1u);
  EXPECT_EQ(lastMessage().prompt, "Enter a valid value...");
  EXPECT_EQ(lastMessage().title.size(), 32u);
  EXPECT_EQ(lastMessage().title, kInvalidUmTitle);
  EXPECT_TRUE(c("cmdOKUm").enabled());
  ExpectEntryState();
}

TEST_F(UmEntryTest, ARefusedTextIsClearedAndOkWaitsForTheNextKey) {
  ExpectRefused("abc", "Enter a valid value...");
  EXPECT_FALSE(c("cmdOKUm").enabled());
  TypeUm("1");
  EXPECT_TRUE(c("cmdOKUm").enabled());
}

TEST_F(UmEntryTest, EnterChecksAlsoWhileOkIsDisabled) {
  ExpectRefused("x", "Enter a valid value...");
  ASSERT_FALSE(c("cmdOKUm").enabled());
  p.keyPress(c("txtUm"), 13);
  ASSERT_EQ(messageCount(), 2u);
  EXPECT_EQ(lastMessage().prompt, "Enter a valid value...");
  TypeUm("420");
  p.keyPress(c("txtUm"), 13);
  EXPECT_EQ(c("lblRange").caption(), "Range II");
}

TEST_F(UmEntryTest, OtherKeysDoNothing) {
  p.keyPress(c("txtUm"), 'a');
  EXPECT_EQ(messageCount(), 0u);
  EXPECT_FALSE(c("lblRange").visible());
}

// Below 1 kV the prompt has no dots; a text that is no number, or that no
// double holds, gets the dots.
TEST_F(UmEntryTest, RefusalsCarryTheirOwnPrompt) {
  for (const char* typed : {"0,5", "0.5", "-3", "0", "0,999"}) ExpectRefused(typed, "Enter a valid value");
  for (const char* typed : {"abc", "1.0.5", "1,2.3", "1E999", "1E-999", "-"}) ExpectRefused(typed, "Enter a valid value...");
}

struct Accepted {
  const char* typed;
  const char* range;
  const char* kept;  // the hidden box's text that later stages read
  bool ignoreEnabled;
};

TEST_F(UmEntryTest, RangeBordersAndTheFastFrontIgnoreOption) {
  for (const Accepted& a : {Accepted{"1", "Range I", "1", false}, Accepted{"110", "Range I", "110", false},
                            Accepted{"245", "Range I", "245", false}, Accepted{"245,0", "Range I", "245,0", false},
                            Accepted{"245,1", "Range II", "245,1", true}, Accepted{"245.1", "Range II", "245,1", true},
                            Accepted{"420", "Range II", "420", true}, Accepted{"420.5", "Range II", "420,5", true},
                            Accepted{"4,2E2", "Range II", "4,2E2", true}}) {
    SCOPED_TRACE(a.typed);
    EnterUm(a.typed);
    EXPECT_EQ(messageCount(), 0u);
    EXPECT_EQ(c("lblRange").caption(), a.range);
    EXPECT_EQ(c("txtUm").text(), a.kept);
    EXPECT_EQ(c("Option1", 46).enabled(), a.ignoreEnabled);
    EXPECT_EQ(app.IsRange1(), std::string(a.range) == "Range I");
    app.RestartProgram();
  }
}

TEST_F(UmEntryTest, AcceptingRange2OpensTheTemporaryOvervoltagePage) {
  ExpectRange("420", "Range II");
  EXPECT_TRUE(c("Option1", 46).enabled());
  EXPECT_TRUE(c("lblRange").visible());
  EXPECT_FALSE(c("txtUm").visible());
  EXPECT_TRUE(c("txtUm").locked());
  EXPECT_FALSE(c("cmdOKUm").visible());
  EXPECT_FALSE(c("Label2").visible());
  EXPECT_FALSE(c("Label1", 0).visible());
  platform::Control& tabGeneral = c("tabGeneral");
  EXPECT_TRUE(tabGeneral.enabled());
  EXPECT_EQ(tabGeneral.tab(), 0);
  for (int i = 0; i < tabGeneral.tabCount(); ++i) EXPECT_EQ(tabGeneral.tabEnabled(i), i == 0);
  platform::Control& sub = c("tabSubGeneral1");
  EXPECT_TRUE(sub.visible());
  EXPECT_EQ(sub.tab(), 0);
  for (int i = 0; i < sub.tabCount(); ++i) EXPECT_EQ(sub.tabEnabled(i), i == 0);
  EXPECT_EQ(app.Um(), 420.0);
  EXPECT_FALSE(app.IsRange1());
}

TEST_F(UmEntryTest, TheBoxTakesSixCharacters) {
  TypeUm("1234567");
  EXPECT_EQ(c("txtUm").text(), "123456");
}

TEST_F(UmEntryTest, TheDateLabelShowsTheDateOfTheLastClickAlsoOfARefusal) {
  h.clock.date = "03.04.2027";
  ClickOK();
  EXPECT_EQ(c("Label23", 8).caption(), "03.04.2027");
  h.clock.date = "04.04.2027";
  EnterUm("420");
  EXPECT_EQ(c("Label23", 8).caption(), "04.04.2027");
}

TEST_F(UmEntryTest, UmReadsTheAcceptedTextWithItsComma) {
  EnterUm("420.5");
  EXPECT_EQ(app.Um(), 420.5);
}

}  // namespace

#include "model_fixture.hpp"

using namespace platform;

namespace {

ControlDesign box(const char* name, int index, int maxLength, const char* text = "") {
  ControlDesign d;
  d.kind = Kind::TextBox;
  d.name = name;
  d.index = index;
  d.caption = text;
  d.maxLength = maxLength;
  return d;
}

}  // namespace

TEST_F(ModelTest, WrittenTextIsCutToMaxLengthAndRaisesChangeOnlyWhenTheKeptTextDiffers) {
  Window& w = loadWindow({box("Text1", 0, 6)}, [this](Window& w) { w.on("Text1", EventType::Change, recorder("change")); });
  Control& t = w("Text1", 0);
  t.setText("242.487113");
  EXPECT_EQ(t.text(), "242.48");
  EXPECT_EQ(log.size(), 1u);
  t.setText("242.4899");  // cut to the same text: nothing raised
  EXPECT_EQ(log.size(), 1u);
  t.setText("242.48");
  EXPECT_EQ(log.size(), 1u);
  t.setText("");
  EXPECT_EQ(t.text(), "");
  EXPECT_EQ(log.size(), 2u);
  t.setText("");
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(ModelTest, DesignTextIsCutAndRaisesNothing) {
  Window& w = loadWindow({box("Text1", 3, 4, "2222222")}, [this](Window& w) { w.on("Text1", EventType::Change, recorder("change")); });
  EXPECT_EQ(w("Text1", 3).text(), "2222");
  EXPECT_TRUE(log.empty());
}

TEST_F(ModelTest, ChangeHandlersNestSeveralLevelsDeepInsideTheWrite) {
  Window& w = loadWindow({box("Text1", 0, 0), box("Text1", 1, 0), box("Text1", 2, 0), box("Text1", 3, 0)});
  w.on("Text1", EventType::Change, [&](Event& e) {
    log.push_back("enter " + std::to_string(e.index));
    if (e.index < 3) w("Text1", e.index + 1).setText(e.control.text() + "x");
    log.push_back("leave " + std::to_string(e.index));
  });
  w("Text1", 0).setText("a");
  EXPECT_EQ(w("Text1", 3).text(), "axxx");
  std::vector<std::string> expected = {"enter 0", "enter 1", "enter 2", "enter 3",
                                       "leave 3", "leave 2", "leave 1", "leave 0"};
  EXPECT_EQ(log, expected);
}

TEST_F(ModelTest, TypingRaisesKeyPressInsertionAndChangePerCharacter) {
  Window& w = loadWindow({box("txtUm", kNoIndex, 3)}, [this](Window& w) {
    w.on("txtUm", EventType::KeyPress, [this](Event& e) { log.push_back("key " + std::string(1, char(e.keyAscii))); });
    w.on("txtUm", EventType::Change, [this](Event& e) { log.push_back("change " + e.control.text()); });
  });
  Control& t = w("txtUm");
  p.typeText(t, "4205");
  EXPECT_EQ(t.text(), "420");
  std::vector<std::string> expected = {"key 4", "change 4", "key 2", "change 42", "key 0", "change 420", "key 5"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(p.focused(), &t);
  // A character beyond ASCII is one key with its code (é is 233), and goes in whole or not at all.
  t.setText("4");
  p.typeText(t, "\xc3\xa9\xc3\xa9\xc3\xa9");
  EXPECT_EQ(t.text(), "4\xc3\xa9\xc3\xa9");
  EXPECT_EQ(log.back(), "key \xe9");
}

// Bytes that are no character (stray, 32 continuation bytes, overlong, surrogate, beyond U+10FFFF,
// cut short, no lead byte) are each one character refused: no key, nothing typed or pasted.
TEST_F(ModelTest, AMalformedCharacterIsRefusedWhole) {
  Window& w = loadWindow({box("txtUm", kNoIndex, 0)}, [this](Window& w) { w.on("txtUm", EventType::KeyPress, recorder("key")); });
  const std::string malformed =
      "\x80" "1\xc3" + std::string(32, '\x80') + "2\xc1\xa9\xed\xa0\x80\xf4\x90\x80\x80\xe2\x82" "3\xff";
  p.typeText(w("txtUm"), malformed);
  EXPECT_EQ(w("txtUm").text(), "123");
  EXPECT_EQ(log.size(), 3u);
  p.setTextByUser(w("txtUm"), malformed + "4");
  EXPECT_EQ(w("txtUm").text(), "1234");
}

TEST_F(ModelTest, TypingIntoALockedBoxInsertsNothingButStillRaisesTheKey) {
  ControlDesign d = box("txtUm", kNoIndex, 0);
  d.flags = Locked;
  Window& w = loadWindow({d}, [this](Window& w) { w.on("txtUm", EventType::KeyPress, recorder("key")); });
  p.typeText(w("txtUm"), "12");
  EXPECT_EQ(w("txtUm").text(), "");
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(ModelTest, AKeyHandlerMayDropTheKey) {
  Window& w = loadWindow({box("txtUm", kNoIndex, 0)}, [](Window& w) {
    w.on("txtUm", EventType::KeyPress, [](Event& e) { if (e.keyAscii == 'x') e.keyAscii = 0; });
  });
  p.typeText(w("txtUm"), "1x2");
  EXPECT_EQ(w("txtUm").text(), "12");
}

TEST_F(ModelTest, PastingRaisesOneChangeForTheWholeText) {
  Window& w = loadWindow({box("Text1", 5, 8)}, [this](Window& w) { w.on("Text1", EventType::Change, recorder("change")); });
  p.setTextByUser(w("Text1", 5), "123456789");
  EXPECT_EQ(w("Text1", 5).text(), "12345678");
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(ModelTest, FocusMovesRaiseLostFocusOnTheOldControl) {
  Window& w = loadWindow({box("Text1", 4, 0), box("Text1", 5, 0)},
                         [this](Window& w) { w.on("Text1", EventType::LostFocus, recorder("lost")); });
  p.focus(w("Text1", 4));
  p.focus(w("Text1", 4));
  EXPECT_TRUE(log.empty());
  p.focus(w("Text1", 5));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "lost:Text1(4)");
}

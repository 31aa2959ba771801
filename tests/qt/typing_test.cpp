// Typing into a box whose handlers refuse keys, rewrite the box or clear it
// behind a modal message box: box and model agree after every key.

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <cctype>

#include "front_end_fixture.hpp"

using namespace platform;

namespace {

const ControlDesign kBox{.kind = Kind::TextBox, .name = "Text1", .index = 4, .left = 300, .top = 300,
                         .width = 900, .height = 285, .maxLength = 4};
const ControlDesign kOther{.kind = Kind::TextBox, .name = "txtOther", .left = 300, .top = 900, .width = 900,
                           .height = 285};

bool AllDigits(const std::string& s) {
  return std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

class TypingTest : public FrontEndTest {
 protected:
  QLineEdit* Box() { return Widget<QLineEdit>("Text1", 4); }
  std::string ModelText() { return C("Text1", 4).text(); }
  void ExpectAgree() {
    EXPECT_EQ(Box()->text().toStdString(), ModelText());
    EXPECT_LE(Box()->cursorPosition(), Box()->text().size());
  }
};

TEST_F(TypingTest, AChangeHandlerClearingTheBoxBehindAMessageBox) {
  dialogs.real = true;
  Show({kBox}, [this](Window& w) {
    w.on("Text1", EventType::Change, [this](Event& e) {
      log.push_back("Change:" + e.control.text());
      if (!AllDigits(e.control.text())) {
        platform.messageBox("Enter a valid value", "Invalid value     ");
        e.control.setText("");
      }
    });
  });
  QString shownTitle, shownText;
  int buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Warning;
  // The message box is modal: answer it from the event loop it runs.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shownTitle = box->windowTitle();
    shownText = box->text();
    icon = box->icon();
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  QTest::keyClicks(Box(), "12x");
  EXPECT_EQ(ModelText(), "");
  ExpectAgree();
  EXPECT_EQ(shownTitle, "Invalid value     ");
  EXPECT_EQ(shownText, "Enter a valid value");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"Change:1", "Change:12", "Change:12x", "Change:"}));

  // Typing goes on in the cleared box.
  QTest::keyClicks(Box(), "7");
  EXPECT_EQ(ModelText(), "7");
  ExpectAgree();
}

TEST_F(TypingTest, ScriptedMessageBoxesToo) {
  Show({kBox}, [this](Window& w) {
    w.on("Text1", EventType::Change, [this](Event& e) {
      if (!AllDigits(e.control.text())) {
        platform.messageBox("Enter numeric value...", "Invalid");
        e.control.setText("");
      }
    });
  });
  QTest::keyClicks(Box(), "1a2b3");
  EXPECT_EQ(ModelText(), "3");
  ExpectAgree();
  EXPECT_EQ(dialogs.scripted.messages.size(), 2u);
}

TEST_F(TypingTest, RefusedAndRewrittenKeys) {
  Show({kBox}, [](Window& w) {
    w.on("Text1", EventType::KeyPress, [](Event& e) {
      if (e.keyAscii == '.') e.keyAscii = ',';
      if (std::isalpha(e.keyAscii)) e.keyAscii = 0;
    });
  });
  QTest::keyClicks(Box(), "0a.5");
  EXPECT_EQ(ModelText(), "0,5");
  ExpectAgree();
  EXPECT_EQ(Box()->cursorPosition(), 3);
  QTest::keyClicks(Box(), "678");  // MaxLength 4
  EXPECT_EQ(ModelText(), "0,56");
  ExpectAgree();
}

TEST_F(TypingTest, AHandlerRewritingItsOwnBoxNestsWithoutLooping) {
  Show({kBox}, [this](Window& w) {
    w.on("Text1", EventType::Change, [this](Event& e) {
      log.push_back(e.control.text());
      std::string t = e.control.text();
      std::replace(t.begin(), t.end(), '.', ',');
      e.control.setText(t);  // the same text again raises nothing
    });
  });
  QTest::keyClicks(Box(), "1.5");
  EXPECT_EQ(ModelText(), "1,5");
  ExpectAgree();
  EXPECT_EQ(log, (std::vector<std::string>{"1", "1.", "1,", "1,5"}));
}

TEST_F(TypingTest, DeletingOrEditingInTheMiddleHandsTheModelTheWholeText) {
  Show({kBox, kOther}, [this](Window& w) {
    w.on("Text1", EventType::KeyPress, Record("KeyPress"));
    w.on("Text1", EventType::Change, Record("Change"));
  });
  C("Text1", 4).setText("123");
  log.clear();
  Box()->setFocus();
  Box()->setCursorPosition(1);
  QTest::keyClick(Box(), Qt::Key_Backspace);
  EXPECT_EQ(ModelText(), "23");
  QTest::keyClicks(Box(), "9");  // inserted at the front
  EXPECT_EQ(ModelText(), "923");
  ExpectAgree();
  EXPECT_EQ(log, (std::vector<std::string>{"Change:Text1(4)", "Change:Text1(4)"}));
}

TEST_F(TypingTest, ALockedBoxTakesNoTyping) {
  ControlDesign locked = kBox;
  locked.flags = Locked;
  Show({locked}, [this](Window& w) { w.on("Text1", EventType::Change, Record("Change")); });
  QTest::keyClicks(Box(), "12");
  EXPECT_EQ(ModelText(), "");
  ExpectAgree();
  EXPECT_TRUE(log.empty());
}

TEST_F(TypingTest, AChangeHandlerMayUnloadTheWindowBeingTypedInto) {
  Show({kBox}, [this](Window& w) {
    w.on("Text1", EventType::Change, [this](Event& e) { platform.unload(e.control.window()); });
  });
  QPointer<QLineEdit> box = Box();
  QTest::keyClicks(box, "1");
  EXPECT_EQ(platform.window("frmTest"), nullptr);
  if (box) QTest::keyClicks(box, "2");  // the widget is waiting for deletion and reaches nothing
  DeleteLater();
  EXPECT_TRUE(box.isNull());
}

}  // namespace

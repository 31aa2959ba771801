// Um entry at the top of the main window and the range it decides.

#include "frame/app.hpp"
#include "frame/number_text.hpp"
#include "frame/page_rule.hpp"
#include "platform/numbers.hpp"

namespace frame {

namespace {

constexpr int kEnterKey = 13;
constexpr double kLowestUm = 1.0;     // kV
constexpr double kRange1Limit = 245.0;  // kV: Range I up to and including this value
constexpr std::size_t kUmTitleLength = 32;

}  // namespace

void App::txtUm_Change() { control("cmdOKUm").setEnabled(!control("txtUm").text().empty()); }

void App::txtUm_KeyPress(int& keyAscii) {
  // Enter checks the value even while "OK" is disabled; the key itself is passed on.
  if (keyAscii == kEnterKey) cmdOKUm_Click();
}

void App::cmdOKUm_Click() {
  platform::Window& w = main();
  // The results page shows the date of the last try, refused or not.
  w("Label23", 8).setCaption(platform.clock().shortDate());

  platform::Control& txtUm = w("txtUm");
  if (!platform::IsNumeric(txtUm.text())) {
    RefuseUm("Enter a valid value...");
    return;
  }
  ReplaceDotWithComma(module1, txtUm);
  // A text that passes the test can still be no number a double holds
  // (an exponent like 1E999): refused like any other unusable text.
  const std::optional<double> um = platform::TextToNumber(txtUm.text());
  if (!um) {
    RefuseUm("Enter a valid value...");
    return;
  }
  if (*um < kLowestUm) {
    RefuseUm("Enter a valid value");
    return;
  }

  platform::Control& lblRange = w("lblRange");
  lblRange.setVisible(true);
  // Above the limit the system is in Range II, where the co-ordination of
  // external fast-front insulation may be ignored (Option1(46)); the top area
  // closes in either range.
  const bool range2 = *um > kRange1Limit;
  lblRange.setCaption(range2 ? "Range II" : "Range I");
  w("Option1", 46).setEnabled(range2);
  w("Label1", 0).setVisible(false);
  w("Label2").setVisible(false);
  txtUm.setLocked(true);
  txtUm.setVisible(false);
  w("cmdOKUm").setVisible(false);

  platform::Control& tabGeneral = w("tabGeneral");
  tabGeneral.setEnabled(true);
  // Only page 0 stays open; the selected page is left as the load set it.
  for (int i = 0; i < tabGeneral.tabCount(); ++i) tabGeneral.setTabEnabled(i, i == 0);
  platform::Control& tabSubGeneral1 = w("tabSubGeneral1");
  tabSubGeneral1.setVisible(true);
  OpenPage(tabSubGeneral1, 0);
}

void App::RefuseUm(const char* prompt) {
  platform.messageBox(prompt, PaddedTitle("Invalid Um", kUmTitleLength));
  ResetUmEntry();
}

void App::ResetUmEntry() {
  platform::Window& w = main();
  w("lblRange").setCaption("");
  w("lblRange").setVisible(false);
  // Clearing a box that holds text disables "OK" through txtUm_Change.
  w("txtUm").setText("");
  w("Label1", 0).setVisible(true);
  w("Label2").setVisible(true);
  w("txtUm").setVisible(true);
  w("cmdOKUm").setVisible(true);
  w("tabGeneral").setEnabled(false);
  w("tabSubGeneral1").setVisible(false);
}

}  // namespace frame

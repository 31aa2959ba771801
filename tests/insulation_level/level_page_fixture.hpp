#pragma once
// The standard-insulation-level page reached as the Conversion page's
// "Next >>" reaches it: the summary boxes of the required-withstand pages
// written as that stage writes them, then the button's routed click.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "frame/routes.hpp"
#include "support/driver.hpp"

namespace level_test {

using Summary = std::initializer_list<std::pair<int, const char*>>;

class LevelPageTest : public ::testing::Test, protected support::Driver {
 protected:
  void Write(Summary boxes) {
    for (const auto& [slot, text] : boxes) text1(slot).setText(text);
  }
  void Run(frame::ArrayEvent event, int index) { program().routes.Run(event, index); }
  void OpenLevelPage() { Run(frame::Command21Click, 31); }
  void Choose(int option) { click("Option1", option); }

  // The texts of some boxes, joined with "|".
  std::string Texts(std::initializer_list<int> slots) const {
    std::string s;
    for (int slot : slots) s += text1(slot).text() + "|";
    return s;
  }
  bool Visible(const char* name, int index) const { return c(name, index).visible(); }
  bool Enabled(const char* name, int index) const { return c(name, index).enabled(); }

  std::string InvalidValue() const { return "Enter a valid value... | " + support::Padded("Invalid value", 33); }
};

}  // namespace level_test

#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/scripted_services.hpp"

// A window built from a few design rows, with every event recorded.
class ModelTest : public ::testing::Test {
 protected:
  platform::HeadlessPlatform h;
  platform::Platform& p = h.platform;
  std::vector<std::string> log;

  platform::Window& loadWindow(std::vector<platform::ControlDesign> designs,
                               std::function<void(platform::Window&)> bind = {}) {
    platform::WindowDefinition d;
    d.name = "frmTest";
    d.caption = "Test";
    d.clientWidth = 9000;
    d.clientHeight = 6000;
    d.build = [designs, bind](platform::Window& w) {
      w.createAll(designs);
      if (bind) bind(w);
    };
    platform::Window& w = p.load(d);
    p.show(w);
    return w;
  }

  platform::Handler recorder(const std::string& what) {
    return [this, what](platform::Event& e) { log.push_back(what + ":" + e.control.displayName()); };
  }
};

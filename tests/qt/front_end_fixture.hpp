#pragma once
// A platform with scripted services and the Qt front end attached, and a
// test window built from a few design rows with every event recorded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "platform/scripted_services.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/window_renderer.hpp"

// Message and input boxes either scripted or real Qt ones.
class SwitchableDialogs : public platform::Dialogs {
 public:
  void messageBox(const std::string& prompt, const std::string& title) override {
    if (real) {
      qtDialogs.messageBox(prompt, title);
    } else {
      scripted.messageBox(prompt, title);
    }
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultText) override {
    return real ? qtDialogs.inputBox(prompt, title, defaultText) : scripted.inputBox(prompt, title, defaultText);
  }
  bool real = false;
  platform::ScriptedDialogs scripted;
  qt::QtDialogs qtDialogs;
};

class FrontEndTest : public ::testing::Test {
 protected:
  SwitchableDialogs dialogs;
  platform::ScriptedPrinter printer;
  platform::FixedClock clock;
  platform::RecordingScreen screen;
  platform::RecordingProcess process;
  platform::Platform platform{platform::Services{&dialogs, &printer, &clock, &screen, &process}};
  qt::WindowRenderer renderer;
  std::vector<std::string> log;
  platform::Window* window = nullptr;

  FrontEndTest() { renderer.attach(platform); }

  void TearDown() override {
    for (platform::Window* w : platform.windows()) platform.unload(*w);
    DeleteLater();
  }

  static void DeleteLater() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  static platform::WindowDefinition Definition(std::vector<platform::ControlDesign> designs,
                                               std::function<void(platform::Window&)> bind = {}) {
    platform::WindowDefinition d;
    d.name = "frmTest";
    d.caption = "Test window";
    d.clientWidth = 9000;
    d.clientHeight = 6000;
    d.build = [designs, bind](platform::Window& w) {
      w.createAll(designs);
      if (bind) bind(w);
    };
    return d;
  }

  platform::Window& Show(std::vector<platform::ControlDesign> designs,
                         std::function<void(platform::Window&)> bind = {}) {
    window = &platform.load(Definition(std::move(designs), std::move(bind)));
    platform.show(*window);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(View()));
    return *window;
  }

  qt::WindowView* View() const { return renderer.windowWidget(*window); }
  platform::Control& C(const char* name, int index = platform::kNoIndex) const { return window->get(name, index); }
  template <class W = QWidget>
  W* Widget(const char* name, int index = platform::kNoIndex) const {
    return dynamic_cast<W*>(renderer.widget(C(name, index)));
  }

  platform::Handler Record(const std::string& what) {
    return [this, what](platform::Event& e) {
      std::string entry = what + ":" + e.control.displayName();
      if (e.type == platform::EventType::KeyPress) entry += ":" + std::to_string(e.keyAscii);
      log.push_back(entry);
    };
  }

  // Sends a mouse move with no button down, as a person's pointer passing over.
  static void MoveOver(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }
};

#pragma once
// Calls back once, after a widget's first paint has been handled: the moment
// a person sees the window.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>

class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget* widget, std::function<void()> then) : then_(std::move(then)) { widget->installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      auto then = std::move(then_);
      then_ = nullptr;
      QTimer::singleShot(0, then);
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

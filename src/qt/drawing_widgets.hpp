#pragma once
// Lines and shapes: drawings on their container that take no input; the mouse
// goes through them to what lies below.

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace qt {

class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent);
  // The end points in the parent's pixels.
  void setLine(QPoint from, QPoint to);
  void setColor(std::optional<QColor> color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_, to_;
  std::optional<QColor> color_;
};

class ShapeWidget : public QWidget {
 public:
  explicit ShapeWidget(QWidget* parent);
  void setBorderColor(std::optional<QColor> color);
  void setFillColor(std::optional<QColor> color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QColor> border_, fill_;
};

}  // namespace qt

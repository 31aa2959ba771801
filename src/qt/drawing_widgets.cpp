#include "qt/drawing_widgets.hpp"

#include <QPainter>

namespace qt {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLine(QPoint from, QPoint to) {
  const QRect area = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
  setGeometry(area);
  from_ = from - area.topLeft();
  to_ = to - area.topLeft();
  update();
}

void LineWidget::setColor(std::optional<QColor> color) {
  color_ = color;
  update();
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(color_.value_or(palette().color(QPalette::WindowText)), 1));
  painter.drawLine(from_, to_);
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setBorderColor(std::optional<QColor> color) {
  border_ = color;
  update();
}

void ShapeWidget::setFillColor(std::optional<QColor> color) {
  fill_ = color;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (fill_) painter.fillRect(rect(), *fill_);
  painter.setPen(QPen(border_.value_or(palette().color(QPalette::WindowText)), 1));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qt

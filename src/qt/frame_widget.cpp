#include "qt/frame_widget.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace qt {

FrameWidget::FrameWidget(UserActions& actions, QWidget* parent) : QGroupBox(parent), actions_(actions) {
  setMouseTracking(true);
}

void FrameWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics fm(font());
  const QString caption = title();
  QRect border = rect();
  if (!caption.isEmpty()) border.setTop(fm.height() / 2);
  // A shadow line with a light line beside it: the etched look.
  qDrawShadeRect(&painter, border, palette(), true, 1, 0);
  if (caption.isEmpty()) return;
  const QRect text(fm.averageCharWidth(), 0, fm.horizontalAdvance(caption) + fm.averageCharWidth(), fm.height());
  painter.fillRect(text, palette().brush(backgroundRole()));
  painter.setPen(palette().color(foregroundRole()));
  painter.drawText(text, Qt::AlignCenter, caption);
}

void FrameWidget::mouseMoveEvent(QMouseEvent* event) {
  QGroupBox::mouseMoveEvent(event);
  // The move is this control's alone: passed on, it would reach the frame
  // around it, whose own move hides the help this one shows.
  event->accept();
  actions_.mouseMoved(this);
}

void FrameWidget::enterEvent(QEnterEvent* event) {
  QGroupBox::enterEvent(event);
  // Entering a control inside the frame enters the frame too, but the pointer
  // is over that control, not over the frame's own surface.
  if (childAt(event->position().toPoint()) == nullptr) actions_.mouseMoved(this);
}

}  // namespace qt

#include "qt/label_widget.hpp"

#include <QFontMetrics>
#include <QMouseEvent>

#include "platform/design.hpp"

namespace qt {

LabelWidget::LabelWidget(UserActions& actions, unsigned flags, QWidget* parent)
    : QLabel(parent), actions_(actions) {
  setTextFormat(Qt::PlainText);
  setWordWrap((flags & platform::NoWrap) == 0);
  setAlignment(((flags & platform::Centered) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  if ((flags & platform::Bordered) != 0) setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMouseTracking(true);
}

void LabelWidget::setCaption(const QString& caption) {
  setText(caption);
  placeText();
}

void LabelWidget::placeText() {
  const QFontMetrics fm(font());
  const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
  const bool oneLine = fm.boundingRect(contentsRect(), wrap, text()).height() < 2 * fm.lineSpacing();
  setAlignment((alignment() & Qt::AlignHorizontal_Mask) | (oneLine ? Qt::AlignVCenter : Qt::AlignTop));
}

void LabelWidget::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  placeText();
}

void LabelWidget::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) placeText();
}

void LabelWidget::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) actions_.clicked(this);
}

void LabelWidget::mouseMoveEvent(QMouseEvent* event) {
  QLabel::mouseMoveEvent(event);
  // The move is this control's alone: passed on, it would reach the frame
  // around it, whose own move hides the help this one shows.
  event->accept();
  actions_.mouseMoved(this);
}

void LabelWidget::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  actions_.mouseMoved(this);
}

}  // namespace qt

#include "qt/window_drawing.hpp"

#include <QPainter>
#include <QPicture>
#include <QWidget>

namespace qt {

namespace {

// QWidget::render onto a printer paints through a pixmap of the screen's
// resolution, so each control is recorded as drawing commands instead and the
// commands are played on the painter. A control is drawn before the controls
// it contains, and those in the order they lie one above the other; each only
// within its own box and those of its containers, as on the screen, where the
// style may paint past a box (a selected tab does).
void Draw(QPainter& painter, QWidget& widget, QWidget& window, const QRect& visible) {
  const QPoint at = widget.mapTo(&window, QPoint());
  const QRect box = visible & QRect(at, widget.size());
  if (box.isEmpty()) return;
  QPicture commands;
  {
    QPainter recorder(&commands);
    // The clip goes into the commands: they set the clip themselves when played.
    recorder.setClipRect(box.translated(-at));
    widget.render(&recorder, QPoint(), QRegion(),
                  &widget == &window ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
  }
  painter.save();
  painter.translate(at);
  // Played, the commands are enlarged by the painter's resolution over the screen's; the caller's scale holds.
  painter.scale(static_cast<double>(commands.logicalDpiX()) / painter.device()->logicalDpiX(),
                static_cast<double>(commands.logicalDpiY()) / painter.device()->logicalDpiY());
  painter.drawPicture(0, 0, commands);
  painter.restore();
  for (QObject* child : widget.children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (w != nullptr && !w->isWindow() && w->isVisibleTo(&window)) Draw(painter, *w, window, box);
  }
}

}  // namespace

void DrawWindow(QPainter& painter, QWidget& window) {
  painter.save();
  // The few pictures the style draws (a button's face) go out without the blur of JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  Draw(painter, window, window, window.rect());
  painter.restore();
}

}  // namespace qt

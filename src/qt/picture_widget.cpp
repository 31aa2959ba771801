#include "qt/picture_widget.hpp"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The drawings are compiled into the front-end library; a static library's
// resources must be registered by name, from the global namespace.
static void RegisterPictures() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(pictures);
    return true;
  }();
  (void)registered;
}

namespace qt {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) { RegisterPictures(); }

PictureWidget::~PictureWidget() = default;

QString PictureWidget::resourcePath(const QString& name) {
  RegisterPictures();
  return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

void PictureWidget::setPicture(const QString& name) {
  if (name == name_ && (renderer_ != nullptr || name.isEmpty())) return;
  name_ = name;
  renderer_.reset();
  const QString path = resourcePath(name);
  if (!name.isEmpty() && QFile::exists(path)) {
    auto renderer = std::make_unique<QSvgRenderer>(path);
    if (renderer->isValid()) renderer_ = std::move(renderer);
  }
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (renderer_ == nullptr) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer_->render(&painter, QRectF(rect()));
}

}  // namespace qt

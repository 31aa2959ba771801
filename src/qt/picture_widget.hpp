#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace qt {

// An image control: the picture called N is the drawing ":/pictures/N.svg",
// stretched over the whole control. A picture that does not exist paints nothing.
class PictureWidget : public QWidget {
 public:
  explicit PictureWidget(QWidget* parent);
  ~PictureWidget() override;

  void setPicture(const QString& name);
  const QString& picture() const { return name_; }
  bool hasDrawing() const { return renderer_ != nullptr; }

  static QString resourcePath(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString name_;
  std::unique_ptr<QSvgRenderer> renderer_;
};

}  // namespace qt

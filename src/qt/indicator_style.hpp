#pragma once

#include <QProxyStyle>

namespace qt {

// The desktop's style with the round buttons of options and the boxes of
// check boxes drawn at a window's scale: on a shrunk window they keep their
// proportion to the captions laid beside them, which shrink with the window.
class IndicatorStyle : public QProxyStyle {
 public:
  // The style of the controls of a window drawn at `scale`, one for each
  // scale for as long as the application lives; nullptr at the design scale.
  static QStyle* ForScale(double scale);

  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

 private:
  explicit IndicatorStyle(double scale);

  double scale_;
};

}  // namespace qt

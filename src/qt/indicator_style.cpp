#include "qt/indicator_style.hpp"

#include <QApplication>
#include <QPointer>
#include <cmath>
#include <map>

namespace qt {

IndicatorStyle::IndicatorStyle(double scale) : scale_(scale) { setParent(QApplication::instance()); }

QStyle* IndicatorStyle::ForScale(double scale) {
  if (scale >= 1.0 || QApplication::instance() == nullptr) return nullptr;
  static std::map<long, QPointer<IndicatorStyle>> styles;
  QPointer<IndicatorStyle>& style = styles[std::lround(scale * 10000)];
  if (style == nullptr) style = new IndicatorStyle(scale);
  return style;
}

int IndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
  const int size = QProxyStyle::pixelMetric(metric, option, widget);
  switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_CheckBoxLabelSpacing: return std::max(1, static_cast<int>(std::lround(size * scale_)));
    default: return size;
  }
}

}  // namespace qt

#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/design.hpp"

namespace qt {

// A model colour (0xRRGGBB), or nothing where the desktop theme decides.
inline std::optional<QColor> ModelColor(std::uint32_t rgb) {
  if (rgb == platform::kSystemColor) return std::nullopt;
  return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Sets one palette role from a model colour, or gives it back to the theme.
// A text colour leaves the disabled look alone, so disabled text still greys out;
// a background keeps its colour when disabled.
inline void ApplyColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t rgb) {
  const bool text = role == QPalette::WindowText || role == QPalette::Text || role == QPalette::ButtonText;
  const QPalette theme = QApplication::palette(&widget);
  const auto color = ModelColor(rgb);
  QPalette palette = widget.palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    const bool themed = !color || (text && group == QPalette::Disabled);
    palette.setColor(group, role, themed ? theme.color(group, role) : *color);
  }
  widget.setPalette(palette);
}

// The contrast ratio of two colours, from their relative luminance, as the
// accessibility guidelines define both (1 for equal colours, 21 for black on white).
inline double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// `muted` moved towards `text` just far enough to stand out from `background`
// by `ratio`: still muted, but readable.
inline QColor Readable(const QColor& muted, const QColor& text, const QColor& background, double ratio) {
  for (int step = 0; step <= 20; ++step) {
    const double t = step / 20.0;
    const QColor mixed = QColor::fromRgbF(static_cast<float>(muted.redF() + (text.redF() - muted.redF()) * t),
                                          static_cast<float>(muted.greenF() + (text.greenF() - muted.greenF()) * t),
                                          static_cast<float>(muted.blueF() + (text.blueF() - muted.blueF()) * t));
    if (Contrast(mixed, background) >= ratio) return mixed;
  }
  return text;
}

}  // namespace qt

#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>
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

}  // namespace qt

#pragma once
// One widget per control, by the control's kind, and how each property of the
// model shows on it.

#include <QWidget>

#include "platform/control.hpp"
#include "qt/twips.hpp"
#include "qt/user_actions.hpp"

namespace qt {

// A new widget for the control, on the given parent, not yet showing the
// control's properties.
QWidget* CreateControlWidget(const platform::Control& control, QWidget* parent, UserActions& actions,
                             const Twips& twips);

// Shows one property of the control on its widget.
void ShowProperty(QWidget& widget, const platform::Control& control, platform::Property property,
                  const Twips& twips);

// Shows every property: a widget just created shows its control's state.
void ShowAllProperties(QWidget& widget, const platform::Control& control, const Twips& twips);

}  // namespace qt

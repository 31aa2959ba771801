#pragma once
// The controls a person reaches with the Tab key, in the order a page is
// read: top to bottom, and left to right along a line; the controls of a frame
// or of a tab page where the frame or page stands. Only what the person can
// use counts: shown, enabled, taking the focus from the keyboard (a locked
// box does not), and not beneath a tab strip that lies over it.

#include <vector>

class QWidget;

namespace qt {

// The reachable controls inside `container`, in reading order.
std::vector<QWidget*> ReadingOrder(QWidget* container);

// Where the focus goes when a window or page opens: the first control of
// `order` that a page may give it, else the first of all.
QWidget* FirstToFocus(const std::vector<QWidget*>& order);
// Marks a control that a page never gives the focus (a person may still Tab to it).
void KeepPageFocusAway(QWidget& widget);

// The shown tab strip that lies over the widget or over one of its containers, or nullptr.
QWidget* StripOver(const QWidget& widget);

}  // namespace qt

#pragma once
// A shown window as drawing commands: its text stays text and its lines stay
// lines on whatever paints them, a printer at its own resolution included.

class QPainter;
class QWidget;

namespace qt {

// Paints `window` and every control shown on it, as the screen shows them,
// onto `painter` in the window's pixel coordinates (the caller scales them to
// the page).
void DrawWindow(QPainter& painter, QWidget& window);

}  // namespace qt

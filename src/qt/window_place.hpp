#pragma once
// Where a window opens that a person reads beside another one, such as a
// table to read a value from while typing it.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace qt {

struct BesidePlace {
  QPoint corner;  // of the window's frame, title bar included
  double scale;   // at most 1: the window drawn smaller than its design size
};

// The corner of a window's frame of size `outer` centred on `area`, never
// above or left of it: where a window opens.
QPoint CentredCorner(QSize outer, QRect area);

// The place on the screen area `area` of a window whose client area is
// `client` pixels at the design scale and whose frame is `frame`, read beside
// the window whose frame covers `owner`: right of it where the area has room,
// else left of it. Where neither side has room, the window goes to the edge of
// the area across from the controls `inSight` (their screen rectangles), clear
// of them where a room allows, and over as little of the owner as it can.
// Wherever the owner stands, the window has one size: the largest at which it
// would stand so beside the owner where the owner opened, centred on the area.
BesidePlace PlaceBeside(QSize client, QMargins frame, QRect owner, const std::vector<QRect>& inSight, QRect area,
                        double logicalDpi);

}  // namespace qt

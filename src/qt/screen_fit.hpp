#pragma once
// How large a window may be drawn on the screen area it is shown in.

#include <QMargins>
#include <QSize>

namespace qt {

// The scale (at most 1) at which a window whose client area is `client`
// pixels at the design scale fits `area` together with its `frame` (title bar
// and borders). The scale shrinks in steps of one pixel of the program's font,
// so that text keeps the proportion to the twips layout that the design has
// and the small labels stay in the middle of their captions' blank runs.
double FittingScale(QSize client, QMargins frame, QSize area, double logicalDpi);

}  // namespace qt

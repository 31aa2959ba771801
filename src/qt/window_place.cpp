#include "qt/window_place.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

#include "qt/screen_fit.hpp"

namespace qt {

namespace {

// The room left around each control in sight, so that the window does not
// stand against its edge.
constexpr int kClearance = 4;

// `value` moved into [low, high], or `low` where the range is empty.
int Within(int value, int low, int high) { return std::max(low, std::min(value, high)); }

QSize OuterSize(QSize client, QMargins frame, double scale) {
  return QSize(static_cast<int>(std::lround(client.width() * scale)),
               static_cast<int>(std::lround(client.height() * scale)))
      .grownBy(frame);
}

long Overlap(const QRect& a, const QRect& b) {
  const QRect both = a & b;
  return both.isEmpty() ? 0 : static_cast<long>(both.width()) * both.height();
}

// The place beside `owner` at `fixed` scale, or where none is given, at the
// largest scale that leaves the controls in sight.
BesidePlace Search(QSize client, QMargins frame, QRect owner, const std::vector<QRect>& controls, QRect area,
                   double logicalDpi, std::optional<double> fixed) {
  const double whole = fixed.value_or(FittingScale(client, frame, area.size(), logicalDpi));
  const QSize outer = OuterSize(client, frame, whole);
  const int top = Within(owner.top(), area.top(), area.bottom() + 1 - outer.height());
  if (owner.right() + outer.width() <= area.right()) return {{owner.right() + 1, top}, whole};
  if (owner.left() - outer.width() >= area.left()) return {{owner.left() - outer.width(), top}, whole};

  std::vector<QRect> inSight;
  for (const QRect& r : controls) inSight.push_back(r.marginsAdded({kClearance, kClearance, kClearance, kClearance}));
  if (inSight.empty()) {
    QRect centred(QPoint(), outer);
    centred.moveCenter(owner.center());
    return {{Within(centred.left(), area.left(), area.right() + 1 - outer.width()), top}, whole};
  }
  // Every room of the area that no control in sight lies in, as large as it
  // goes: its edges are the area's or those of the controls.
  std::vector<int> lefts{area.left()}, rights{area.right()}, tops{area.top()}, bottoms{area.bottom()};
  for (const QRect& r : inSight) {
    lefts.push_back(r.right() + 1);
    rights.push_back(r.left() - 1);
    tops.push_back(r.bottom() + 1);
    bottoms.push_back(r.top() - 1);
  }
  const auto covered = [&](const QRect& placed) {
    long sum = 0;
    for (const QRect& r : inSight) sum += Overlap(placed, r);
    return sum;
  };
  std::optional<BesidePlace> best;
  std::tuple<long, double, long> bestRank;  // over less of the controls, larger, over less of the owner
  for (int left : lefts)
    for (int right : rights)
      for (int top : tops)
        for (int bottom : bottoms) {
          const QRect room = QRect(QPoint(left, top), QPoint(right, bottom)) & area;
          if (room.width() <= frame.left() + frame.right() || room.height() <= frame.top() + frame.bottom() ||
              covered(room) > 0)
            continue;
          const double scale = fixed.value_or(std::min(whole, FittingScale(client, frame, room.size(), logicalDpi)));
          const QSize size = OuterSize(client, frame, scale);
          // Against the room's sides, the screen's edges among them, or level with the owner.
          for (int x : {room.left(), room.right() + 1 - size.width()})
            for (int y : {room.top(), room.bottom() + 1 - size.height(),
                          Within(owner.top(), room.top(), room.bottom() + 1 - size.height())}) {
              const QRect placed = QRect(QPoint(x, y), size);
              if (!area.contains(placed)) continue;
              const std::tuple<long, double, long> rank{-covered(placed), scale, -Overlap(placed, owner)};
              if (!best || rank > bestRank) {
                best = BesidePlace{placed.topLeft(), scale};
                bestRank = rank;
              }
            }
        }
  return best.value_or(BesidePlace{{Within(owner.left(), area.left(), area.right() + 1 - outer.width()), top}, whole});
}

}  // namespace

QPoint CentredCorner(QSize outer, QRect area) {
  QRect centred(QPoint(), outer);
  centred.moveCenter(area.center());
  return {std::max(centred.left(), area.left()), std::max(centred.top(), area.top())};
}

BesidePlace PlaceBeside(QSize client, QMargins frame, QRect owner, const std::vector<QRect>& controls, QRect area,
                        double logicalDpi) {
  // The size is the one the window takes beside the owner standing where it
  // opened, so that wherever the person has moved the owner since, the window
  // opens at that size and only its place follows the owner.
  const QPoint toOpening = CentredCorner(owner.size(), area) - owner.topLeft();
  std::vector<QRect> atOpening;
  for (const QRect& r : controls) atOpening.push_back(r.translated(toOpening));
  const double scale =
      Search(client, frame, owner.translated(toOpening), atOpening, area, logicalDpi, std::nullopt).scale;
  return Search(client, frame, owner, controls, area, logicalDpi, scale);
}

}  // namespace qt

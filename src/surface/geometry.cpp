#include "geometry.h"

#include <algorithm>

namespace kwpnd {

bool touches(const QLineF& s, const QRectF& area)
{
    return std::max(s.x1(), s.x2()) >= area.left() && std::min(s.x1(), s.x2()) <= area.right() &&
           std::max(s.y1(), s.y2()) >= area.top() && std::min(s.y1(), s.y2()) <= area.bottom();
}

bool clipSegment(QLineF& segment, const QRectF& area)
{
    // Liang–Barsky: the part of p1 + t·(p2 − p1), t in [0, 1], inside each edge.
    const double dx = segment.dx();
    const double dy = segment.dy();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {segment.x1() - area.left(), area.right() - segment.x1(), segment.y1() - area.top(),
                         area.bottom() - segment.y1()};
    double t0 = 0;
    double t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = segment.pointAt(t0);
    const QPointF end = segment.pointAt(t1);
    segment = QLineF(start, end);
    return true;
}

QRectF clampTo(const QRectF& rect, const QRectF& area)
{
    const double left = std::clamp(rect.left(), area.left(), area.right());
    const double right = std::clamp(rect.right(), area.left(), area.right());
    const double top = std::clamp(rect.top(), area.top(), area.bottom());
    const double bottom = std::clamp(rect.bottom(), area.top(), area.bottom());
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

}  // namespace kwpnd

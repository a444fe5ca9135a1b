#include "skin/window_edges.h"

Qt::Edges resizeEdgesAt(QPoint pos, QSize windowSize) {
    const int w = windowSize.width();
    const int h = windowSize.height();
    if (pos.x() < 0 || pos.y() < 0 || pos.x() >= w || pos.y() >= h)
        return {};
    const bool nearLeft = pos.x() < kResizeGrip;
    const bool nearRight = pos.x() >= w - kResizeGrip;
    const bool nearTop = pos.y() < kResizeGrip;
    const bool nearBottom = pos.y() >= h - kResizeGrip;
    if (!nearLeft && !nearRight && !nearTop && !nearBottom)
        return {};

    Qt::Edges edges;
    if (nearLeft || ((nearTop || nearBottom) && pos.x() < kCornerGrip))
        edges |= Qt::LeftEdge;
    if (nearRight || ((nearTop || nearBottom) && pos.x() >= w - kCornerGrip))
        edges |= Qt::RightEdge;
    if (nearTop || ((nearLeft || nearRight) && pos.y() < kCornerGrip))
        edges |= Qt::TopEdge;
    if (nearBottom || ((nearLeft || nearRight) && pos.y() >= h - kCornerGrip))
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape cursorForEdges(Qt::Edges edges) {
    const bool left = edges & Qt::LeftEdge, right = edges & Qt::RightEdge;
    const bool top = edges & Qt::TopEdge, bottom = edges & Qt::BottomEdge;
    if ((left && top) || (right && bottom))
        return Qt::SizeFDiagCursor;
    if ((right && top) || (left && bottom))
        return Qt::SizeBDiagCursor;
    if (left || right)
        return Qt::SizeHorCursor;
    if (top || bottom)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QRect resizedGeometry(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum) {
    QRect r = start;
    if (edges & Qt::LeftEdge)
        r.setLeft(qMin(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        r.setRight(qMax(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(qMin(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        r.setBottom(qMax(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return r;
}

#pragma once
// Which window edges a point grabs for resizing, and the by-hand resize used when no window
// manager takes the drag.
#include <QRect>
#include <Qt>

inline constexpr int kResizeGrip = 4;  // px from an edge
inline constexpr int kCornerGrip = 12; // px along an edge that still count as the corner

Qt::Edges resizeEdgesAt(QPoint pos, QSize windowSize);
Qt::CursorShape cursorForEdges(Qt::Edges edges);
// start moved by delta on the grabbed edges; the opposite edges stay put when at the minimum.
QRect resizedGeometry(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum);

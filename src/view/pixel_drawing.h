#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

// Pixel-exact drawing on a painter without a transform. Boxes run from
// (x1, y1) to (x2, y2) with the right and bottom edges excluded.
void FillBox(QPainter& painter, int x1, int y1, int x2, int y2, QColor colour);
void OutlineBox(QPainter& painter, int x1, int y1, int x2, int y2, QColor colour);

// A one-pixel line from `from` towards `to`, the end point excluded. Only the
// part inside (0, 0)..(width, height) is visited, so far-off lines cost little.
void DrawLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int width, int height);

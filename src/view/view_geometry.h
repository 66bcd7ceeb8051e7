#pragma once

#include <cstdint>

struct SpringPoint;

// What the map view needs to know to place cells on the surface.
struct ViewGeometry {
  int ViewWidth = 0;
  int ViewHeight = 0;
  int Zoom = 10;      // tenths: 10 shows images at their own size
  int CellSize = 16;  // Zoom * BaseTileSize / 10, never below 1
  int CameraX = 0;    // map column CameraX + 1 is at the left edge
  int CameraY = 0;    // map row CameraY + 1 is at the bottom edge
};

// CellSize for a zoom: zoom * baseTileSize div 10, at least 1.
int CellSizeFor(int zoom, int baseTileSize);

// The display switches of the panel.
struct ShowSwitches {
  bool BG = true;
  bool MG = true;
  bool FG = true;
  bool Objects = true;
  bool Platforms = true;
};

// A map cell: column X and row Y, both from 1, row 1 at the bottom.
struct CellPosition {
  int32_t X = 0;
  int32_t Y = 0;
};

bool operator==(const CellPosition& a, const CellPosition& b);

// A rectangle of map cells: columns X .. X + Width - 1, rows Y .. Y + Height - 1.
struct CellArea {
  int X = 1;
  int Y = 1;
  int Width = 0;
  int Height = 0;

  bool Empty() const { return Width <= 0 || Height <= 0; }
  bool Contains(int x, int y) const {
    return x >= X && x < X + Width && y >= Y && y < Y + Height;
  }
  CellArea MovedBy(int dx, int dy) const { return {X + dx, Y + dy, Width, Height}; }
};

bool operator==(const CellArea& a, const CellArea& b);

// A pixel of the drawing surface, counted from its top-left corner; it may
// lie outside the surface.
struct PixelPosition {
  int X = 0;
  int Y = 0;
};

// The cell under pixel (x, y) of the drawing surface. Rows are counted from
// the surface's bottom edge. Both divisions truncate toward zero, so a
// position less than one cell left of or below the surface still gives the
// first column or row of the view. The result may lie outside the map.
CellPosition PointToCell(const ViewGeometry& geometry, int x, int y);

// The top-left pixel of map cell (x, y).
PixelPosition CellTopLeft(const ViewGeometry& geometry, int x, int y);
// The middle of map cell (x, y): CellSize div 2 right of and below its
// top-left pixel. PointToCell gives the cell back.
PixelPosition CellMiddle(const ViewGeometry& geometry, int x, int y);
// The pixel of a spring point: a corner of its cell, or the cell's middle.
PixelPosition SpringPointToPixel(const SpringPoint& point, const ViewGeometry& geometry);

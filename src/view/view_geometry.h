#pragma once

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

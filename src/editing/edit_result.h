#pragma once

// What the map view has to do after an editing call. The editing code
// changes the map and reports here what the window must show; it never
// draws itself.
struct EditResult {
  bool RedrawView = false;   // redraw the whole map view
  bool RefreshCell = false;  // repaint only the cell (CellX, CellY)
  int CellX = 0;
  int CellY = 0;
  bool UpdateTileCounters = false;  // recount the tile usage counters
  bool ShowObjects = false;         // switch "Show objects" on
  bool ShowPlatforms = false;       // switch "Show platform" on
  bool OpenPlatformDialog = false;  // ask the properties of the platform being placed

  static EditResult Redraw() {
    EditResult result;
    result.RedrawView = true;
    return result;
  }
};

#pragma once

#include <memory>
#include <string>
#include <utility>

#include "editing/map_document.h"
#include "editing/tool_controller.h"
#include "model/map.h"
#include "view/tile_set.h"
#include "view/view_geometry.h"

// What the editor works on and with, apart from its window: the document,
// the view's geometry (zoom, camera, surface size), the tile sets, the tools,
// the program folder that level file names are taken under (with a
// trailing "/"), and the folder the tile sets come from (empty: the working
// directory). The window shows it and hands it the user's events.
struct EditorSession {
  EditorSession() = default;
  explicit EditorSession(std::unique_ptr<Map> map) : Document(std::move(map)) {}

  MapDocument Document;
  ViewGeometry View;
  TileSets Sets;
  ToolController Tools{Document, View, Sets};
  std::string ProgramFolder;
  std::string TileFolder;
};

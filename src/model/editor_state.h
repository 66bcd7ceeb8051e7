#pragma once

// The eight entries of the mode list, by index.
enum EditMode : int {
  ModeBackground = 0,
  ModeMidground = 1,
  ModeForeground = 2,
  ModeObjects = 3,
  ModeChars = 4,
  ModeSprings = 5,
  ModePlatforms = 6,
  ModeTexts = 7,
};

constexpr int EditModeCount = 8;

// The texts of the mode list, indexed by EditMode.
extern const char* const EditModeNames[EditModeCount];

// What a press on the map does, with the numbers the program knows them by.
enum class Tool : int {
  ToolPlaceTile = 0,
  ToolSelectBlock = 1,
  ToolPasteBlock = 2,
  ToolSelectPrimaryChar = 5,
  ToolSprings = 10,
  ToolPlatforms = 11,
  ToolTexts = 12,
  // The selection tool: areas selected, moved, cut, copied and pasted.
  ToolSelectArea = 20,
};

// The editing state that is not part of the level.
struct EditorState {
  Tool ActiveTool = Tool::ToolPlaceTile;
  int ActiveLayer = 0;  // the MapCell byte that placing writes, 0..5
  int SelectedIndex = 1;
};

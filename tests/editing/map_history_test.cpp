#include "editing/map_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "editing/cell_selection.h"
#include "editing/history_watch.h"
#include "editing/map_resizing.h"
#include "editing/platform_tool.h"
#include "editing/spring_tool.h"
#include "editing/tile_tool.h"
#include "model/editor_state.h"
#include "model/map.h"

namespace {

// The map as a level sees it, and the storage: equal maps restore the same.
std::string Difference(const Map& a, const Map& b) {
  if (!(MapScalars::Of(a) == MapScalars::Of(b))) return "size, background, primary or counts";
  if (a.Cells != b.Cells) return "cells";
  for (int i = 0; i < a.SpringCount; ++i) {
    const Spring& s = a.Springs[i];
    const Spring& t = b.Springs[i];
    if (s.Kind != t.Kind || s.PointCount != t.PointCount ||
        !std::equal(s.Points.begin(), s.Points.begin() + s.PointCount, t.Points.begin()))
      return "spring " + std::to_string(i);
  }
  for (int i = 0; i < a.PlatformCount; ++i)
    if (!(a.Platforms[i] == b.Platforms[i])) return "platform " + std::to_string(i);
  return {};
}

ViewGeometry Geometry() {
  ViewGeometry geometry;
  geometry.ViewWidth = 480;
  geometry.ViewHeight = 480;
  geometry.CellSize = 16;
  return geometry;
}

// The pixel in the middle of cell (x, y).
int Px(int x) {
  return (x - 1) * 16 + 8;
}
int Py(int y) {
  return 480 - ((y - 1) * 16 + 8);
}

// A map with something of every kind: tiles, an object, Zubo as the primary
// char, two springs and two platforms.
std::unique_ptr<Map> FilledMap() {
  auto map = std::make_unique<Map>();
  for (int x = 1; x <= map->Width; ++x)
    for (int y = 1; y <= 4; ++y) map->Cell(x, y).BgTile = static_cast<uint8_t>(1 + (x + y) % 3);
  map->Cell(3, 5).ObjectKind = 2;
  map->Cell(4, 6).CharKind = ZuboCharKind;
  map->Cell(9, 9).CharKind = ZuboCharKind;
  map->PrimaryCharX = 4;
  map->PrimaryCharY = 6;
  for (int i = 0; i < 2; ++i) {
    Spring& spring = map->Springs[i];
    spring.Kind = i + 1;
    spring.PointCount = 2;
    spring.Points[0] = SpringPoint{3 + i, 8, Center};
    spring.Points[1] = SpringPoint{6 + i, 9, TopLeft};
    Platform& platform = map->Platforms[i];
    platform = Platform{static_cast<uint8_t>(2 + i), 12, 9, 12, 5, 14, 3, 1, TurnForever};
  }
  map->SpringCount = 2;
  map->PlatformCount = 2;
  return map;
}

struct Action {
  const char* Name;
  std::function<void(Map&, MapHistory&)> Run;
};

// A press of the tile tool as the window makes it: watched, then done.
void TilePress(Map& map, MapHistory& history, int layer, int value, MouseButton button, int x,
               int y) {
  EditorState state;
  state.ActiveLayer = layer;
  state.SelectedIndex = value;
  std::vector<bool>* filled = WatchToolPress(history, map, state, {}, button, x, y);
  PlaceTilePress(map, layer, value, button, x, y, filled);
}

void SpringPress(Map& map, MapHistory& history, SpringToolState& tool, MouseButton button, int x,
                 int y) {
  EditorState state;
  state.ActiveTool = Tool::ToolSprings;
  WatchToolPress(history, map, state, {}, button, x, y);
  if (button == MouseButton::Left)
    SpringLeftPress(map, tool, Geometry(), 3, Px(x), Py(y));
  else
    SpringRightPress(map, tool, Geometry(), Px(x), Py(y));
}

void PlatformUp(Map& map, MapHistory& history, PlatformStage& stage, MouseButton button, int x,
                int y) {
  history.WatchPlatforms(map);
  PlatformRelease release;
  release.Button = button;
  release.X = x;
  release.Y = y;
  release.SelectedIndex = 2;
  PlatformToolRelease(map, stage, release);
}

const Action Actions[] = {
    {"stroke of tiles and erasing the primary Zubo",
     [](Map& map, MapHistory& history) {
       for (int x = 1; x <= 5; ++x) TilePress(map, history, LayerMg, 7, MouseButton::Left, x, 6);
       TilePress(map, history, LayerMg, 7, MouseButton::Left, 3, 6);
       TilePress(map, history, LayerChar, 1, MouseButton::Right, 4, 6);
     }},
    {"flood fill",
     [](Map& map, MapHistory& history) {
       TilePress(map, history, LayerFg, 9, MouseButton::Middle, 10, 10);
     }},
    {"primary char selection",
     [](Map& map, MapHistory& history) {
       history.BeginStep(map);
       SelectPrimaryCharPress(map, 9, 9);
     }},
    {"paste over its own selection",
     [](Map& map, MapHistory& history) {
       CellSelection selection;
       for (int x = 2; x <= 5; ++x) selection.Add(CellPosition{x, 2});
       selection.ChooseAnchor();
       EditorState state;
       state.ActiveTool = Tool::ToolPasteBlock;
       WatchToolPress(history, map, state, selection, MouseButton::Left, 3, 2);
       PastePress(map, state, selection, MouseButton::Left, 3, 2);
     }},
    {"finished spring",
     [](Map& map, MapHistory& history) {
       SpringToolState tool;
       SpringPress(map, history, tool, MouseButton::Left, 10, 10);
       SpringPress(map, history, tool, MouseButton::Left, 12, 10);
       SpringPress(map, history, tool, MouseButton::Right, 1, 1);
     }},
    {"deleted spring",
     [](Map& map, MapHistory& history) {
       SpringToolState tool;
       SpringPress(map, history, tool, MouseButton::Right, 3, 8);
     }},
    {"finished platform with its properties",
     [](Map& map, MapHistory& history) {
       PlatformStage stage = PlatformStage::Idle;
       PlatformUp(map, history, stage, MouseButton::Left, 15, 15);
       PlatformUp(map, history, stage, MouseButton::Left, 18, 15);
       PlatformPropertiesChosen(map, stage, KeepForever, 9);
       PlatformUp(map, history, stage, MouseButton::Left, 16, 17);
     }},
    {"deleted platform",
     [](Map& map, MapHistory& history) {
       PlatformStage stage = PlatformStage::Idle;
       PlatformUp(map, history, stage, MouseButton::Right, 2, 12);
     }},
    {"width step rising left, down",
     [](Map& map, MapHistory& history) {
       WatchWidthStep(history, map);
       UDWidthChangingEx(map, map.Width, map.Width - 1, true);
     }},
    {"width step, down",
     [](Map& map, MapHistory& history) {
       WatchWidthStep(history, map);
       UDWidthChangingEx(map, map.Width, map.Width - 1, false);
     }},
    {"height step rising down, up",
     [](Map& map, MapHistory& history) {
       WatchHeightStep(history, map);
       UDHeightChangingEx(map, map.Height, map.Height + 1, true);
     }},
    {"background",
     [](Map& map, MapHistory& history) {
       history.BeginStep(map);
       map.Background = 2;
     }},
};

TEST(MapHistoryTest, UndoAndRedoRestoreEveryKindOfStep) {
  for (const Action& action : Actions) {
    SCOPED_TRACE(action.Name);
    auto map = FilledMap();
    MapHistory history;
    const auto before = std::make_unique<Map>(*map);
    action.Run(*map, history);
    history.EndStep(*map);
    const auto after = std::make_unique<Map>(*map);
    ASSERT_FALSE(Difference(*before, *after).empty());
    EXPECT_EQ(history.StepCount(), 1u);
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(history.Undo(*map));
      EXPECT_EQ(Difference(*map, *before), "");
      ASSERT_TRUE(history.Redo(*map));
      EXPECT_EQ(Difference(*map, *after), "");
    }
  }
}

TEST(MapHistoryTest, KeepsOnlyStepsThatChangedTheMapAndDropsTheRedoneOnes) {
  auto map = FilledMap();
  MapHistory history;
  TilePress(*map, history, LayerBg, map->Cell(1, 1).BgTile, MouseButton::Left, 1, 1);
  TilePress(*map, history, LayerBg, 9, MouseButton::Middle, 30, 30);  // off the map
  EXPECT_FALSE(history.EndStep(*map));
  EXPECT_FALSE(history.Undo(*map));

  for (int value : {5, 6}) {
    TilePress(*map, history, LayerBg, value, MouseButton::Left, 1, 1);
    history.EndStep(*map);
  }
  ASSERT_TRUE(history.Undo(*map));
  TilePress(*map, history, LayerBg, 7, MouseButton::Left, 2, 1);
  history.EndStep(*map);
  EXPECT_FALSE(history.Redo(*map));
  EXPECT_EQ(history.StepCount(), 2u);
  ASSERT_TRUE(history.Undo(*map));
  ASSERT_TRUE(history.Undo(*map));
  EXPECT_EQ(Difference(*map, *FilledMap()), "");
}

TEST(MapHistoryTest, AFillIsAStepOfItsOwn) {
  auto map = FilledMap();
  MapHistory history;
  TilePress(*map, history, LayerFg, 3, MouseButton::Left, 10, 10);
  TilePress(*map, history, LayerMg, 4, MouseButton::Middle, 10, 10);
  TilePress(*map, history, LayerFg, 5, MouseButton::Left, 11, 10);
  history.EndStep(*map);
  EXPECT_EQ(history.StepCount(), 3u);
}

TEST(MapHistoryTest, TheOldestStepsGoWhenTheBoundIsReached) {
  auto map = std::make_unique<Map>();
  MapHistory history(2000);
  for (int y = 1; y <= 20; ++y) {
    for (int x = 1; x <= 10; ++x) TilePress(*map, history, LayerBg, y, MouseButton::Left, x, y);
    history.EndStep(*map);
    EXPECT_LE(history.Bytes(), 2000u);
  }
  EXPECT_LT(history.StepCount(), 20u);
  while (history.Undo(*map)) {
  }
  EXPECT_EQ(map->Cell(1, 1).BgTile, 1);  // the oldest rows stay
  EXPECT_EQ(map->Cell(1, 20).BgTile, 0);
}

// The largest step a map can make moves every cell of a full 255 x 255 map
// and every spring and platform; a hundred of them fit the default bound.
TEST(MapHistoryTest, KeepsAHundredOfTheLargestSteps) {
  auto map = std::make_unique<Map>();
  map->Width = MaxMapSize;
  map->Height = MaxMapSize;
  for (int x = 1; x <= MaxMapSize; ++x)
    for (int y = 1; y <= MaxMapSize; ++y)
      map->Cell(x, y) = MapCell{uint8_t(x), uint8_t(y), uint8_t(x + y), 0, 0, 0};
  for (int i = 0; i < MaxFileListCount; ++i) {
    map->Springs[i].PointCount = MaxFileSpringPoints;
    map->Platforms[i].StartX = 1;
  }
  map->SpringCount = MaxFileListCount;
  map->PlatformCount = MaxFileListCount;
  MapHistory history;
  for (int i = 0; i < 100; ++i) {
    WatchWidthStep(history, *map);
    UDWidthChangingEx(*map, map->Width, map->Width + (i % 2 ? 1 : -1), true);
    history.EndStep(*map);
  }
  EXPECT_EQ(history.StepCount(), 100u);
  EXPECT_LE(history.Bytes(), MapHistory::DefaultByteLimit);
}

TEST(MapHistoryTest, KnowsTheSavedPosition) {
  auto map = FilledMap();
  MapHistory history;
  const auto stroke = [&](int value) {
    TilePress(*map, history, LayerBg, value, MouseButton::Left, 1, 1);
    map->Saved = false;
    history.EndStep(*map);
  };
  stroke(5);
  map->Saved = true;  // saved after the first step
  stroke(6);
  struct Case {
    const char* Name;
    std::function<void()> Act;
    bool Saved;
  };
  const Case cases[] = {
      {"undone to the save", [&] { history.Undo(*map); }, true},
      {"undone before it", [&] { history.Undo(*map); }, false},
      {"redone to it", [&] { history.Redo(*map); }, true},
      {"texts edited", [&] { map->CustomTexts = {"a"}; }, false},
      {"texts as saved", [&] { map->CustomTexts = {}; }, true},
      {"redone past it", [&] { history.Redo(*map); }, false},
      {"undone, then a new step", [&] { history.Undo(*map), history.Undo(*map), stroke(7); },
       false},
      {"the step undone", [&] { history.Undo(*map); }, false},
      {"cleared", [&] { history.Clear(); }, false},
  };
  for (const Case& c : cases) {
    c.Act();
    EXPECT_EQ(history.AtSavedState(*map), c.Saved) << c.Name;
  }
}

}  // namespace

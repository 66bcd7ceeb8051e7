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

// What undo and redo must restore: the storage, the values and the lists in use.
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

// Tiles, Zubo as the primary char, two springs and two platforms.
std::unique_ptr<Map> FilledMap() {
  auto map = std::make_unique<Map>();
  for (int x = 1; x <= map->Width; ++x)
    for (int y = 1; y <= 4; ++y) map->Cell(x, y).BgTile = static_cast<uint8_t>(1 + (x + y) % 3);
  map->Cell(4, 6).CharKind = ZuboCharKind;
  map->PrimaryCharX = 4;
  map->PrimaryCharY = 6;
  for (int i = 0; i < 2; ++i) {
    map->Springs[i].Kind = i + 1;
    map->Springs[i].PointCount = 2;
    map->Springs[i].Points[0] = SpringPoint{3 + i, 8, Center};
    map->Springs[i].Points[1] = SpringPoint{6 + i, 9, TopLeft};
    map->Platforms[i] = Platform{uint8_t(2 + i), 12, 9, 12, 5, 14, 3, 1, TurnForever};
  }
  map->SpringCount = map->PlatformCount = 2;
  return map;
}

// A press of the tile tool as the window makes it: watched, then done.
void TilePress(Map& map, MapHistory& history, int layer, int value, MouseButton button, int x,
               int y) {
  EditorState state;
  state.ActiveLayer = layer;
  state.SelectedIndex = value;
  PlaceTilePress(map, layer, value, button, x, y,
                 WatchToolPress(history, map, state, {}, button, x, y));
}

// Spring presses in the middle of cells of 16 pixels on a 480-pixel surface.
SpringToolState Springs;
EditResult SpringPress(Map& map, MouseButton button, int x, int y) {
  ViewGeometry view;
  view.ViewHeight = 480;
  const int px = (x - 1) * 16 + 8;
  const int py = 480 - ((y - 1) * 16 + 8);
  return button == MouseButton::Left ? SpringLeftPress(map, Springs, view, 3, px, py)
                                     : SpringRightPress(map, Springs, view, px, py);
}

void PlatformUp(Map& map, PlatformStage& stage, MouseButton button, int x, int y) {
  PlatformRelease release;
  release.Button = button;
  release.X = x;
  release.Y = y;
  PlatformToolRelease(map, stage, release);
}

const std::pair<const char*, std::function<void(Map&, MapHistory&)>> Actions[] = {
    {"stroke erasing the primary Zubo",
     [](Map& map, MapHistory& history) {
       for (int x : {1, 2, 3, 2}) TilePress(map, history, LayerMg, 7, MouseButton::Left, x, 6);
       TilePress(map, history, LayerChar, 1, MouseButton::Right, 4, 6);
     }},
    {"flood fill",
     [](Map& map, MapHistory& history) {
       TilePress(map, history, LayerFg, 9, MouseButton::Middle, 10, 10);
     }},
    {"paste over its own selection",
     [](Map& map, MapHistory& history) {
       CellSelection selection;
       for (int x = 2; x <= 5; ++x) selection.Add(CellPosition{x, 2});
       EditorState state;
       CopyTilesClick(state, selection);
       WatchToolPress(history, map, state, selection, MouseButton::Left, 3, 2);
       PastePress(map, state, selection, MouseButton::Left, 3, 2);
     }},
    {"finished spring, then a deleted one",
     [](Map& map, MapHistory& history) {
       history.WatchSprings(map);
       for (int x : {10, 12}) SpringPress(map, MouseButton::Left, x, 10);
       SpringPress(map, MouseButton::Right, 1, 1);
       SpringPress(map, MouseButton::Right, 3, 8);
     }},
    {"finished platform with its properties",
     [](Map& map, MapHistory& history) {
       history.WatchPlatforms(map);
       PlatformStage stage = PlatformStage::Idle;
       PlatformUp(map, stage, MouseButton::Left, 15, 15);
       PlatformUp(map, stage, MouseButton::Left, 18, 15);
       PlatformPropertiesChosen(map, stage, KeepForever, 9);
       PlatformUp(map, stage, MouseButton::Left, 16, 17);
     }},
    {"width step rising left, down",
     [](Map& map, MapHistory& history) {
       WatchWidthStep(history, map);
       UDWidthChangingEx(map, map.Width, map.Width - 1, true);
     }},
    {"height step rising down, up",
     [](Map& map, MapHistory& history) {
       WatchHeightStep(history, map);
       UDHeightChangingEx(map, map.Height, map.Height + 1, true);
     }},
};

TEST(MapHistoryTest, UndoAndRedoRestoreEveryKindOfStep) {
  for (const auto& [name, action] : Actions) {
    SCOPED_TRACE(name);
    auto map = FilledMap();
    MapHistory history;
    const auto before = std::make_unique<Map>(*map);
    history.BeginStep(*map);
    action(*map, history);
    history.EndStep(*map);
    const auto after = std::make_unique<Map>(*map);
    ASSERT_NE(Difference(*before, *after), "");
    EXPECT_EQ(history.StepCount(), 1u);
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(history.Undo(*map));
      EXPECT_EQ(Difference(*map, *before), "");
      ASSERT_TRUE(history.Redo(*map));
      EXPECT_EQ(Difference(*map, *after), "");
    }
  }
}

// Steps that change nothing are dropped, a fill is a step of its own, and a
// new step after an undo drops the steps that could have been redone.
TEST(MapHistoryTest, KeepsTheStepsThatChangedTheMap) {
  auto map = FilledMap();
  MapHistory history;
  TilePress(*map, history, LayerBg, map->Cell(1, 1).BgTile, MouseButton::Left, 1, 1);
  EXPECT_FALSE(history.EndStep(*map));
  TilePress(*map, history, LayerFg, 3, MouseButton::Left, 10, 10);
  TilePress(*map, history, LayerMg, 4, MouseButton::Middle, 10, 10);
  TilePress(*map, history, LayerFg, 5, MouseButton::Left, 11, 10);
  history.EndStep(*map);
  EXPECT_EQ(history.StepCount(), 3u);
  ASSERT_TRUE(history.Undo(*map));
  TilePress(*map, history, LayerBg, 2, MouseButton::Left, 2, 1);
  history.EndStep(*map);
  EXPECT_FALSE(history.Redo(*map));
  while (history.Undo(*map)) {
  }
  EXPECT_EQ(Difference(*map, *FilledMap()), "");
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

// The largest step moves every cell of a full 255 x 255 map and every spring
// and platform; a hundred of them fit the default bound.
TEST(MapHistoryTest, KeepsAHundredOfTheLargestSteps) {
  auto map = std::make_unique<Map>();
  map->Width = map->Height = MaxMapSize;
  for (int x = 1; x <= MaxMapSize; ++x)
    for (int y = 1; y <= MaxMapSize; ++y)
      map->Cell(x, y) = MapCell{uint8_t(x), uint8_t(y), uint8_t(x + y), 0, 0, 0};
  for (int i = 0; i < MaxFileListCount; ++i) map->Springs[i].PointCount = MaxFileSpringPoints;
  map->SpringCount = map->PlatformCount = MaxFileListCount;
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
  const std::tuple<const char*, std::function<void()>, bool> cases[] = {
      {"undone to the save", [&] { history.Undo(*map); }, true},
      {"undone before it", [&] { history.Undo(*map); }, false},
      {"redone to it", [&] { history.Redo(*map); }, true},
      {"texts edited", [&] { map->CustomTexts = {"a"}; }, false},
      {"texts as saved", [&] { map->CustomTexts = {}; }, true},
      {"redone past it", [&] { history.Redo(*map); }, false},
      {"undone, then a new step", [&] { history.Undo(*map), history.Undo(*map), stroke(7); },
       false},
      {"the new step undone", [&] { history.Undo(*map); }, false},
      {"cleared", [&] { history.Clear(); }, false},
  };
  for (const auto& [name, act, saved] : cases) {
    act();
    EXPECT_EQ(history.AtSavedState(*map), saved) << name;
  }
}

}  // namespace

// A deleted spring's or platform's slot taken by the next one: each step
// gives back its own before-state, whatever became of the slot later.
TEST(MapHistoryTest, ADeletedEntrysSlotReusedLaterComesBackAsItWas) {
  const auto springSteps = [](Map& map, MapHistory& history, int x) {
    history.BeginStep(map);
    history.WatchSprings(map);
    for (int column : {x, x + 2}) SpringPress(map, MouseButton::Left, column, 12);
    SpringPress(map, MouseButton::Right, 1, 1);
    history.EndStep(map);
    SpringRelease(Springs);
  };
  const auto platformStep = [](Map& map, MapHistory& history, MouseButton button, int x) {
    history.BeginStep(map);
    history.WatchPlatforms(map);
    PlatformStage stage = PlatformStage::Idle;
    PlatformUp(map, stage, button, x, 14);
    if (button == MouseButton::Left) {
      PlatformUp(map, stage, MouseButton::Left, x + 1, 14);
      PlatformPropertiesChosen(map, stage, TurnForever, 3);
    }
    history.EndStep(map);
  };
  const std::pair<const char*, std::function<void(Map&, MapHistory&)>> sequences[] = {
      {"springs",
       [&](Map& map, MapHistory& history) {
         springSteps(map, history, 2);  // A
         history.BeginStep(map);
         history.WatchSprings(map);
         SpringPress(map, MouseButton::Right, 2, 12);  // deletes A
         history.EndStep(map);
         SpringRelease(Springs);
         springSteps(map, history, 7);  // B, in A's slot
       }},
      {"platforms",
       [&](Map& map, MapHistory& history) {
         platformStep(map, history, MouseButton::Left, 2);   // P
         platformStep(map, history, MouseButton::Right, 2);  // deletes P
         platformStep(map, history, MouseButton::Left, 8);   // Q, in P's slot
       }},
  };
  for (const auto& [name, sequence] : sequences) {
    SCOPED_TRACE(name);
    auto map = std::make_unique<Map>();
    MapHistory history;
    sequence(*map, history);
    ASSERT_EQ(history.StepCount(), 3u);
    const auto last = std::make_unique<Map>(*map);
    ASSERT_TRUE(history.Undo(*map));
    ASSERT_TRUE(history.Undo(*map));
    EXPECT_EQ(map->SpringCount + map->PlatformCount, 1);
    if (map->SpringCount == 1) EXPECT_EQ(map->Springs[0].Points[0].X, 2);
    if (map->PlatformCount == 1) EXPECT_EQ(map->Platforms[0].StartX, 2);
    ASSERT_TRUE(history.Redo(*map));
    ASSERT_TRUE(history.Redo(*map));
    EXPECT_EQ(Difference(*map, *last), "");
  }
}

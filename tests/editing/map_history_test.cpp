// The document's history: every edit made through the document is undone
// and redone exactly, whatever tool made it.

#include "editing/map_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "edited_map.h"
#include "map_comparison.h"
#include "editing/cell_selection.h"
#include "editing/map_document.h"
#include "editing/map_resizing.h"
#include "editing/platform_tool.h"
#include "editing/spring_tool.h"
#include "editing/tile_tool.h"
#include "model/editor_state.h"
#include "model/map.h"

namespace {

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

// A press of the tile tool.
void TilePress(MapDocument& document, int layer, int value, MouseButton button, int x, int y) {
  document.BeginStep("Paint");
  PlaceTilePress(document.Edit(), layer, value, button, x, y);
}

// Spring presses in the middle of cells of 16 pixels on a 480-pixel surface.
SpringToolState Springs;
EditResult SpringPress(MapDocument& document, MouseButton button, int x, int y) {
  ViewGeometry view;
  view.ViewHeight = 480;
  const int px = (x - 1) * 16 + 8;
  const int py = 480 - ((y - 1) * 16 + 8);
  return button == MouseButton::Left
             ? SpringLeftPress(document.Edit(), Springs, view, 3, px, py)
             : SpringRightPress(document.Edit(), Springs, view, px, py);
}

void PlatformUp(MapDocument& document, PlatformStage& stage, MouseButton button, int x, int y) {
  PlatformRelease release;
  release.Button = button;
  release.X = x;
  release.Y = y;
  PlatformToolRelease(document.Edit(), stage, release);
}

const std::pair<const char*, std::function<void(MapDocument&)>> Actions[] = {
    {"stroke erasing the primary Zubo",
     [](MapDocument& document) {
       for (int x : {1, 2, 3, 2}) TilePress(document, LayerMg, 7, MouseButton::Left, x, 6);
       TilePress(document, LayerChar, 1, MouseButton::Right, 4, 6);
     }},
    {"flood fill",
     [](MapDocument& document) {
       TilePress(document, LayerFg, 9, MouseButton::Middle, 10, 10);
     }},
    {"paste over its own selection",
     [](MapDocument& document) {
       CellSelection selection;
       for (int x = 2; x <= 5; ++x) selection.Add(CellPosition{x, 2});
       EditorState state;
       CopyTilesClick(state, selection);
       PastePress(document.Edit(), state, selection, MouseButton::Left, 3, 2);
     }},
    {"finished spring, then a deleted one",
     [](MapDocument& document) {
       for (int x : {10, 12}) SpringPress(document, MouseButton::Left, x, 10);
       SpringPress(document, MouseButton::Right, 1, 1);
       SpringPress(document, MouseButton::Right, 3, 8);
     }},
    {"finished platform with its properties",
     [](MapDocument& document) {
       PlatformStage stage = PlatformStage::Idle;
       PlatformUp(document, stage, MouseButton::Left, 15, 15);
       PlatformUp(document, stage, MouseButton::Left, 18, 15);
       PlatformPropertiesChosen(document.Edit(), stage, KeepForever, 9);
       PlatformUp(document, stage, MouseButton::Left, 16, 17);
     }},
    {"width step rising left, down",
     [](MapDocument& document) {
       UDWidthChangingEx(document.Edit(), document.GetMap().Width, document.GetMap().Width - 1,
                         true);
     }},
    {"height step rising down, up",
     [](MapDocument& document) {
       UDHeightChangingEx(document.Edit(), document.GetMap().Height,
                          document.GetMap().Height + 1, true);
     }},
};

TEST(MapHistoryTest, UndoAndRedoRestoreEveryKindOfStep) {
  for (const auto& [name, action] : Actions) {
    SCOPED_TRACE(name);
    EditedMap map(FilledMap());
    MapDocument& document = map.Document;
    const auto before = std::make_unique<Map>(*map);
    document.BeginStep(name);
    action(document);
    document.EndStep();
    const auto after = std::make_unique<Map>(*map);
    ASSERT_NE(CompareRestored(*before, *after), "");
    EXPECT_EQ(document.History().StepCount(), 1u);
    for (int round = 0; round < 2; ++round) {
      ASSERT_TRUE(document.Undo());
      EXPECT_EQ(CompareRestored(*map, *before), "");
      ASSERT_TRUE(document.Redo());
      EXPECT_EQ(CompareRestored(*map, *after), "");
    }
  }
}

// An edit no tool makes, with no undo code of its own: the map mirrored left
// to right, cells, springs, platforms and the primary char, through the
// document. It is undone and redone exactly, under its name.
TEST(MapHistoryTest, ANewKindOfEditIsUndoneWithNoCodeOfItsOwn) {
  EditedMap map(FilledMap());
  MapDocument& document = map.Document;
  const auto before = std::make_unique<Map>(*map);
  const int width = map->Width;
  document.BeginStep("Mirror");
  MapEdit edit = document.Edit();
  for (int x = 1; x <= width / 2; ++x)
    for (int y = 1; y <= map->Height; ++y) std::swap(edit.Cell(x, y), edit.Cell(width + 1 - x, y));
  const SpringList springs = edit.Springs();
  for (int i = 0; i < springs.Count; ++i)
    for (SpringPoint& point : springs.Slots[i].Points) point.X = width + 1 - point.X;
  const PlatformList platforms = edit.Platforms();
  for (int i = 0; i < platforms.Count; ++i)
    platforms.Slots[i].StartX = static_cast<uint8_t>(width + 1 - platforms.Slots[i].StartX);
  edit.SetPrimaryChar(width + 1 - map->PrimaryCharX, map->PrimaryCharY);
  ASSERT_TRUE(document.EndStep());
  const auto after = std::make_unique<Map>(*map);
  ASSERT_NE(CompareRestored(*before, *after), "");
  EXPECT_EQ(document.History().UndoName(), "Mirror");
  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(CompareRestored(*map, *before), "");
  EXPECT_EQ(document.History().RedoName(), "Mirror");
  ASSERT_TRUE(document.Redo());
  EXPECT_EQ(CompareRestored(*map, *after), "");
}

// Steps that change nothing are dropped, a fill is a step of its own, and a
// new step after an undo drops the steps that could have been redone.
TEST(MapHistoryTest, KeepsTheStepsThatChangedTheMap) {
  EditedMap map(FilledMap());
  MapDocument& document = map.Document;
  TilePress(document, LayerBg, map->Cell(1, 1).BgTile, MouseButton::Left, 1, 1);
  EXPECT_FALSE(document.EndStep());
  TilePress(document, LayerFg, 3, MouseButton::Left, 10, 10);
  TilePress(document, LayerMg, 4, MouseButton::Middle, 10, 10);
  TilePress(document, LayerFg, 5, MouseButton::Left, 11, 10);
  document.EndStep();
  EXPECT_EQ(document.History().StepCount(), 3u);
  ASSERT_TRUE(document.Undo());
  TilePress(document, LayerBg, 2, MouseButton::Left, 2, 1);
  document.EndStep();
  EXPECT_FALSE(document.Redo());
  while (document.Undo()) {
  }
  EXPECT_EQ(CompareRestored(*map, *FilledMap()), "");
}

TEST(MapHistoryTest, TheOldestStepsGoWhenTheBoundIsReached) {
  EditedMap map(std::make_unique<Map>(), 2000);
  MapDocument& document = map.Document;
  for (int y = 1; y <= 20; ++y) {
    for (int x = 1; x <= 10; ++x) TilePress(document, LayerBg, y, MouseButton::Left, x, y);
    document.EndStep();
    EXPECT_LE(document.History().Bytes(), 2000u);
  }
  EXPECT_LT(document.History().StepCount(), 20u);
  while (document.Undo()) {
  }
  EXPECT_EQ(map->Cell(1, 1).BgTile, 1);  // the oldest rows stay
  EXPECT_EQ(map->Cell(1, 20).BgTile, 0);
}

// The largest step moves every cell of a full 255 x 255 map and every spring
// and platform; a hundred of them fit the default bound.
TEST(MapHistoryTest, KeepsAHundredOfTheLargestSteps) {
  EditedMap map;
  map->Width = map->Height = MaxMapSize;
  for (int x = 1; x <= MaxMapSize; ++x)
    for (int y = 1; y <= MaxMapSize; ++y)
      map->Cell(x, y) = MapCell{uint8_t(x), uint8_t(y), uint8_t(x + y), 0, 0, 0};
  for (int i = 0; i < MaxFileListCount; ++i) map->Springs[i].PointCount = MaxFileSpringPoints;
  map->SpringCount = map->PlatformCount = MaxFileListCount;
  MapDocument& document = map.Document;
  for (int i = 0; i < 100; ++i) {
    document.BeginStep("Map width");
    UDWidthChangingEx(document.Edit(), map->Width, map->Width + (i % 2 ? 1 : -1), true);
    document.EndStep();
  }
  EXPECT_EQ(document.History().StepCount(), 100u);
  EXPECT_LE(document.History().Bytes(), MapHistory::DefaultByteLimit);
}

TEST(MapHistoryTest, KnowsTheSavedPosition) {
  EditedMap map(FilledMap());
  MapDocument& document = map.Document;
  const auto stroke = [&](int value) {
    TilePress(document, LayerBg, value, MouseButton::Left, 1, 1);
    document.MarkChanged();
    document.EndStep();
  };
  stroke(5);
  document.MarkSaved();  // saved after the first step
  stroke(6);
  const std::tuple<const char*, std::function<void()>, bool> cases[] = {
      {"undone to the save", [&] { document.Undo(); }, true},
      {"undone before it", [&] { document.Undo(); }, false},
      {"redone to it", [&] { document.Redo(); }, true},
      {"texts edited", [&] { document.SetCustomTexts({"a"}), document.MarkChanged(); }, false},
      {"texts as saved", [&] { document.SetCustomTexts({}), document.MarkChanged(); }, true},
      {"redone past it", [&] { document.Redo(); }, false},
      {"undone, then a new step", [&] { document.Undo(), document.Undo(), stroke(7); }, false},
      {"the new step undone", [&] { document.Undo(); }, false},
      {"a new history", [&] { document.StartHistory(); }, false},
  };
  for (const auto& [name, act, saved] : cases) {
    act();
    EXPECT_EQ(document.History().AtSavedState(*map), saved) << name;
  }
}

// A deleted spring's or platform's slot taken by the next one: each step
// gives back its own before-state, whatever became of the slot later.
TEST(MapHistoryTest, ADeletedEntrysSlotReusedLaterComesBackAsItWas) {
  // Left presses at the columns of row 12, then a right press at (1, 1):
  // without columns, that right press deletes the spring with a point there.
  const auto springStep = [](MapDocument& document, std::initializer_list<int> columns,
                             int rightColumn = 1, int rightRow = 1) {
    document.BeginStep("Spring");
    for (int column : columns) SpringPress(document, MouseButton::Left, column, 12);
    SpringPress(document, MouseButton::Right, rightColumn, rightRow);
    document.EndStep();
    SpringRelease(Springs);
  };
  const auto platformStep = [](MapDocument& document, MouseButton button, int x) {
    document.BeginStep("Platform");
    PlatformStage stage = PlatformStage::Idle;
    PlatformUp(document, stage, button, x, 14);
    if (button == MouseButton::Left) {
      PlatformUp(document, stage, MouseButton::Left, x + 1, 14);
      PlatformPropertiesChosen(document.Edit(), stage, TurnForever, 3);
    }
    document.EndStep();
  };
  const std::pair<const char*, std::function<void(MapDocument&)>> sequences[] = {
      {"springs",
       [&](MapDocument& document) {
         springStep(document, {2, 4});  // A
         springStep(document, {}, 2, 12);  // deletes A
         springStep(document, {7, 9});  // B, in A's slot
       }},
      {"platforms",
       [&](MapDocument& document) {
         platformStep(document, MouseButton::Left, 2);   // P
         platformStep(document, MouseButton::Right, 2);  // deletes P
         platformStep(document, MouseButton::Left, 8);   // Q, in P's slot
       }},
  };
  for (const auto& [name, sequence] : sequences) {
    SCOPED_TRACE(name);
    EditedMap map;
    MapDocument& document = map.Document;
    sequence(document);
    ASSERT_EQ(document.History().StepCount(), 3u);
    const auto last = std::make_unique<Map>(*map);
    ASSERT_TRUE(document.Undo());
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(map->SpringCount + map->PlatformCount, 1);
    const int firstColumn = map->SpringCount == 1 ? map->Springs[0].Points[0].X
                                                  : map->Platforms[0].StartX;
    EXPECT_EQ(firstColumn, 2) << "the deleted entry came back";
    ASSERT_TRUE(document.Redo());
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(CompareRestored(*map, *last), "");
  }
}

}  // namespace

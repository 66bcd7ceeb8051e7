// The costs of undo and redo: restoring a full-map flood fill, what
// recording adds to a stroke, a fill and a paste, and the memory the history
// takes after many steps.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "bench_main.h"
#include "bench_map.h"
#include "plain_paste.h"
#include "editing/cell_selection.h"
#include "editing/flood_fill.h"
#include "editing/map_document.h"
#include "editing/map_history.h"
#include "editing/tile_tool.h"
#include "model/editor_state.h"
#include "model/map.h"
#include "view/tile_counters.h"

namespace {

constexpr int FullMapCells = MaxMapSize * MaxMapSize;
// A stroke's presses, along a row.
constexpr int StrokePresses = 32;
// The pasted block: 16 x 16 cells, the selection's limit.
constexpr int BlockSide = 16;

std::unique_ptr<Map> EmptyFullSizeMap() {
  auto map = std::make_unique<Map>();
  map->Width = MaxMapSize;
  map->Height = MaxMapSize;
  return map;
}

// One full-map fill, then undo and redo in turn; only the one measured is timed.
void RestoreFillCase(benchmark::State& state, bool undo) {
  MapDocument document(EmptyFullSizeMap());
  if (FloodFill(document.Edit(), LayerBg, 1, 1, 1) != FullMapCells || !document.EndStep()) {
    state.SkipWithError("the fill did not change the whole map");
    return;
  }
  const Map& map = document.GetMap();
  for (auto _ : state) {
    if (!undo) {
      state.PauseTiming();
      document.Undo();
      state.ResumeTiming();
    }
    const bool done = undo ? document.Undo() : document.Redo();
    state.PauseTiming();
    const bool restored = done && map.Cell(MaxMapSize, MaxMapSize).BgTile == (undo ? 0 : 1);
    if (undo) document.Redo();
    state.ResumeTiming();
    if (!restored) {
      state.SkipWithError("the fill was not restored");
      break;
    }
  }
  state.counters["cells"] = FullMapCells;
}

// A stroke as the editor runs it: every press places a tile and recounts
// the tile counters, as its result asks. Recorded, the presses go through
// the document as a step; plain, the same bytes are written into a map.
void StrokeCase(benchmark::State& state, bool recorded) {
  MapDocument document(MakeFullMap());
  auto plain = MakeFullMap();
  document.MarkChanged();  // as every press leaves it
  int value = 1;
  for (auto _ : state) {
    if (recorded) document.BeginStep("Paint");
    for (int x = 1; x <= StrokePresses; ++x) {
      if (recorded)
        PlaceTilePress(document.Edit(), LayerFg, value, MouseButton::Left, x, 100);
      else
        plain->Cell(x, 100).FgTile = static_cast<uint8_t>(value);
      benchmark::DoNotOptimize(CountUsedTiles(recorded ? document.GetMap() : *plain));
    }
    if (recorded) document.EndStep();
    value = value == 1 ? 2 : 1;
  }
  state.counters["presses"] = StrokePresses;
}

// A fill of all 65,025 cells, alternating between two tiles: recorded
// through the document, or the region found and written into a map.
void FillCase(benchmark::State& state, bool recorded) {
  MapDocument document(EmptyFullSizeMap());
  auto plain = EmptyFullSizeMap();
  document.MarkChanged();  // as every press leaves it
  uint8_t newValue = 1;
  for (auto _ : state) {
    int filled = 0;
    if (recorded) {
      filled = FloodFill(document.Edit(), LayerBg, newValue, 1, 1);
      document.EndStep();
    } else {
      const std::vector<bool> region = FillRegion(*plain, LayerBg, 1, 1);
      for (std::size_t i = 0; i < region.size(); ++i) {
        if (!region[i]) continue;
        plain->Cells[i].BgTile = newValue;
        ++filled;
      }
    }
    if (filled != FullMapCells) {
      state.SkipWithError("the fill did not change the whole map");
      break;
    }
    newValue = newValue == 1 ? 2 : 1;
  }
  state.counters["cells"] = FullMapCells;
}

// A paste of a 16 x 16 block of the full map, alternately to two places:
// recorded through the document, or the cells copied within a map.
void PasteCase(benchmark::State& state, bool recorded) {
  MapDocument document(MakeFullMap());
  auto plain = MakeFullMap();
  document.MarkChanged();  // as every press leaves it
  EditorState editor;
  CellSelection selection;
  for (int x = 1; x <= BlockSide; ++x)
    for (int y = 1; y <= BlockSide; ++y) selection.Add(CellPosition{x, y});
  CopyTilesClick(editor, selection);
  int target = 100;
  for (auto _ : state) {
    if (recorded) {
      document.BeginStep("Paste");
      PastePress(document.Edit(), editor, selection, MouseButton::Left, target, target);
      document.EndStep();
    } else {
      PasteByHand(*plain, selection, target, target);
    }
    target = target == 100 ? 150 : 100;
  }
  state.counters["cells"] = BlockSide * BlockSide;
}

// The process's resident memory now, in bytes.
double ResidentBytes() {
  long pages = 0;
  long resident = 0;
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  const bool read = std::fscanf(statm, "%ld %ld", &pages, &resident) == 2;
  std::fclose(statm);
  return read ? static_cast<double>(resident) * sysconf(_SC_PAGESIZE) : 0;
}

// 1,000 single-cell strokes and 100 full-map fills on a full-size map: what
// the history holds, and how much the process grew.
void MemoryCase(benchmark::State& state) {
  constexpr double MB = 1e6;
  for (auto _ : state) {
    state.PauseTiming();
    auto map = EmptyFullSizeMap();
    const double before = ResidentBytes();
    state.ResumeTiming();
    MapDocument document(std::move(map));
    for (int i = 0; i < 1000; ++i) {
      const int x = 1 + i % MaxMapSize;
      const int y = 1 + i / MaxMapSize;
      document.BeginStep("Paint");
      PlaceTilePress(document.Edit(), LayerBg, 1 + i % 3, MouseButton::Left, x, y);
      document.EndStep();
    }
    for (int i = 0; i < 100; ++i) {
      const uint8_t oldValue = document.GetMap().Cell(1, 1).LayerByte(LayerMg);
      FloodFill(document.Edit(), LayerMg, oldValue == 1 ? 2 : 1, 1, 1);
      document.EndStep();
    }
    state.PauseTiming();
    const MapHistory& history = document.History();
    state.counters["steps"] = static_cast<double>(history.StepCount());
    state.counters["historyMB"] = static_cast<double>(history.Bytes()) / MB;
    state.counters["grownMB"] = (ResidentBytes() - before) / MB;
    state.ResumeTiming();
  }
}

void RegisterCases() {
  benchmark::RegisterBenchmark("Undo/fullMapFill", RestoreFillCase, true)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("Redo/fullMapFill", RestoreFillCase, false)
      ->Unit(benchmark::kMicrosecond);
  for (const bool recorded : {false, true}) {
    const std::string suffix = recorded ? "/recorded" : "/plain";
    benchmark::RegisterBenchmark(("Stroke32" + suffix).c_str(), StrokeCase, recorded)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("FillFullMap" + suffix).c_str(), FillCase, recorded)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Paste16x16" + suffix).c_str(), PasteCase, recorded)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark("HistoryMemory/1000strokes100fills", MemoryCase)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
}

}  // namespace

int main(int argc, char** argv) {
  return RunPlainBenchmarks(argc, argv, RegisterCases);
}

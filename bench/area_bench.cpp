// The selection tool on the largest map: moving a 255 x 255 selection with
// all its items by one cell, and undoing that move, each within a frame.

#include <benchmark/benchmark.h>

#include "bench_main.h"
#include "bench_map.h"
#include "editing/area_tool.h"
#include "editing/map_document.h"
#include "model/map.h"

namespace {

// One move of the whole full map by a cell to the right, then its undo;
// only the one measured is timed.
void MoveWholeMapCase(benchmark::State& state, bool undo) {
  MapDocument document(MakeFullMap());
  AreaTool tool(document);
  const Map& map = document.GetMap();
  const uint8_t corner = map.Cell(1, 1).BgTile;
  for (auto _ : state) {
    if (undo) state.PauseTiming();
    tool.SelectAll();
    tool.Nudge(1, 0);
    if (undo) {
      state.ResumeTiming();
      document.Undo();
    } else {
      state.PauseTiming();
      document.Undo();
    }
    const bool restored = map.Cell(1, 1).BgTile == corner;
    if (!undo) state.ResumeTiming();
    if (!restored) {
      state.SkipWithError("the move was not undone");
      break;
    }
  }
  state.counters["cells"] = MaxMapSize * MaxMapSize;
}

void RegisterCases() {
  benchmark::RegisterBenchmark("MoveFullMapSelection", MoveWholeMapCase, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UndoFullMapMove", MoveWholeMapCase, true)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  return RunPlainBenchmarks(argc, argv, RegisterCases);
}

// The costs of the map operations that run on one press or one command:
// flood fill, writing and reading a full level, and validation.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench_main.h"
#include "bench_map.h"
#include "editing/flood_fill.h"
#include "editing/map_document.h"
#include "levelfile/level_reader.h"
#include "levelfile/level_writer.h"
#include "levelfile/validation.h"
#include "model/map.h"

namespace {

namespace fs = std::filesystem;

// The fills alternate between two tiles, so that every fill changes the
// whole region again.
void FloodFillCase(benchmark::State& state, std::unique_ptr<Map> map, int first, int second,
                   int expectedCells) {
  MapDocument document(std::move(map));
  int newValue = first;
  for (auto _ : state) {
    const int changed = FloodFill(document.Edit(), LayerBg, newValue, 1, 1);
    document.EndStep();
    if (changed != expectedCells) {
      state.SkipWithError("the fill did not change the whole region");
      break;
    }
    newValue = newValue == first ? second : first;
  }
  state.counters["cells"] = expectedCells;
}

int WindingPathCells() {
  const std::unique_ptr<Map> map = MakeWindingPathMap(1, 2);
  int cells = 0;
  for (int x = 1; x <= map->Width; ++x) {
    for (int y = 1; y <= map->Height; ++y) cells += map->Cell(x, y).BgTile == 1;
  }
  return cells;
}

fs::path LevelPath() {
  return fs::temp_directory_path() / ("zubo-bench-" + std::to_string(getpid()) + ".lvl");
}

void WriteLevelFileCase(benchmark::State& state) {
  const std::unique_ptr<Map> map = MakeFullMap();
  const fs::path path = LevelPath();
  for (auto _ : state) {
    const WriteOutcome outcome = WriteLevelFile(*map, path.string());
    if (!outcome.Ok) {
      state.SkipWithError(outcome.Error.c_str());
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(path));
  fs::remove(path);
}

void ReadLevelFileCase(benchmark::State& state) {
  auto map = MakeFullMap();
  const fs::path path = LevelPath();
  if (!WriteLevelFile(*map, path.string()).Ok) {
    state.SkipWithError("the full level could not be written");
    return;
  }
  for (auto _ : state) {
    if (!ReadLevelFile(path.string(), *map)) {
      state.SkipWithError("the full level could not be read");
      break;
    }
  }
  fs::remove(path);
}

void ValidateMapCase(benchmark::State& state) {
  const std::unique_ptr<Map> map = MakeFullMap();
  for (auto _ : state) {
    const ValidationResult result = ValidateMap(*map, true);
    if (!result.Passed) {
      state.SkipWithError(result.Messages.front().c_str());
      break;
    }
  }
  state.counters["springs"] = map->SpringCount;
}

void RegisterCases() {
  benchmark::RegisterBenchmark("FloodFill/empty255x255", [](benchmark::State& state) {
    auto map = std::make_unique<Map>();
    map->Width = MaxMapSize;
    map->Height = MaxMapSize;
    FloodFillCase(state, std::move(map), 1, 2, MaxMapSize * MaxMapSize);
  })->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("FloodFill/windingPath", [](benchmark::State& state) {
    FloodFillCase(state, MakeWindingPathMap(1, 3), 2, 1, WindingPathCells());
  })->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("WriteLevelFile/full", WriteLevelFileCase)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ReadLevelFile/full", ReadLevelFileCase)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("ValidateMap/full255springs", ValidateMapCase)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  return RunPlainBenchmarks(argc, argv, RegisterCases);
}

// The problems list's recount: every check before a write, run to the end on
// the largest level with faults everywhere, as the window does after an edit.

#include <benchmark/benchmark.h>

#include "bench_main.h"
#include "bench_map.h"
#include "levelfile/validation.h"
#include "model/map.h"

namespace {

// The full map with a fault of every kind spread over it: tiles a save
// removes, lava, switches without ground and springs attached to nothing.
std::unique_ptr<Map> FaultyFullMap() {
  std::unique_ptr<Map> map = MakeFullMap();
  for (int x = 1; x <= map->Width; x += 7)
    for (int y = 1; y <= map->Height; y += 5) map->Cell(x, y).BgTile = 47;
  for (int x = 3; x <= map->Width; x += 11) map->Cell(x, 9).FgTile = 38;
  for (int i = 0; i < map->PlatformCount; i += 2) {
    map->Platforms[i].SwitchType = TurnForever;
    map->Platforms[i].SwitchY = static_cast<uint8_t>(map->Height);
  }
  for (int i = 0; i < map->SpringCount; i += 3) map->Springs[i].Points[0].Corner = Center;
  return map;
}

void RecountCase(benchmark::State& state) {
  const std::unique_ptr<Map> map = FaultyFullMap();
  size_t found = 0;
  for (auto _ : state) {
    const std::vector<MapProblem> problems = FindProblems(*map, true);
    found = problems.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["problems"] = static_cast<double>(found);
}

void RegisterCases() {
  benchmark::RegisterBenchmark("FindProblems/faultyFullMap", RecountCase)
      ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
  return RunPlainBenchmarks(argc, argv, RegisterCases);
}

// zubo-level on the full benchmark map, timed as a user sees it: the whole
// process, from start to the PNG on disk or the diff on the terminal. The
// render of many levels reports how many cores it kept busy.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "bench_map.h"
#include "levelfile/level_writer.h"
#include "model/map.h"

namespace fs = std::filesystem;

namespace {

// Writes the full map once; each case renders it.
const std::string& FullLevel() {
  static const std::string path = [] {
    const fs::path file = fs::temp_directory_path() / "zubo_render_bench_full.lvl";
    auto map = MakeFullMap();
    if (!WriteLevelFile(*map, file.string()).Ok) return std::string();
    return file.string();
  }();
  return path;
}

void RenderCase(benchmark::State& state, int zoom, const std::string& options) {
  const std::string& level = FullLevel();
  if (level.empty()) {
    state.SkipWithError("the full level could not be written");
    return;
  }
  const fs::path image = fs::temp_directory_path() / "zubo_render_bench.png";
  const std::string command =
      "cd '" ZUBO_PROGRAM_DIR "' && QT_QPA_PLATFORM=offscreen ./zubo-level render '" + level +
      "' '" + image.string() + "' --zoom " + std::to_string(zoom) + options + " > /dev/null 2>&1";
  for (auto _ : state) {
    const int status = std::system(command.c_str());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("zubo-level render failed");
      break;
    }
  }
  std::error_code error;
  state.counters["bytes"] = static_cast<double>(fs::file_size(image, error));
  fs::remove(image, error);
}

// A second full level with a change of every kind: a painted area, a moved
// and a deleted spring, a platform moved, a char removed and a text line.
const std::string& ChangedFullLevel() {
  static const std::string path = [] {
    const fs::path file = fs::temp_directory_path() / "zubo_render_bench_changed.lvl";
    auto map = MakeFullMap();
    for (int x = 40; x < 120; ++x)
      for (int y = 30; y < 90; ++y) map->Cell(x, y).BgTile = 2;
    Spring& moved = map->Springs[3];
    for (int i = 0; i < moved.PointCount; ++i)
      moved.Points[i].X = std::max(1, moved.Points[i].X - 1);
    map->Springs[0] = map->Springs[--map->SpringCount];
    map->Platforms[7].StartY = static_cast<uint8_t>(std::max(1, map->Platforms[7].StartY - 1));
    map->Platforms[7].EndY = static_cast<uint8_t>(std::max(1, map->Platforms[7].EndY - 1));
    map->Platforms[7].SwitchY = static_cast<uint8_t>(std::max(1, map->Platforms[7].SwitchY - 1));
    map->Cell(200, 200).CharKind = 0;
    map->CustomTexts[4] = "changed";
    if (!WriteLevelFile(*map, file.string()).Ok) return std::string();
    return file.string();
  }();
  return path;
}

bool Succeeds(const std::string& command, int allowed = 0) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) && WEXITSTATUS(status) <= allowed;
}

void DiffCase(benchmark::State& state) {
  if (FullLevel().empty() || ChangedFullLevel().empty()) {
    state.SkipWithError("the full levels could not be written");
    return;
  }
  const std::string command = "'" ZUBO_PROGRAM_DIR "/zubo-level' diff '" + FullLevel() + "' '" +
                              ChangedFullLevel() + "' > /dev/null 2>&1";
  for (auto _ : state) {
    if (!Succeeds(command, 1)) {
      state.SkipWithError("zubo-level diff failed");
      break;
    }
  }
}

double ChildrenCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void RenderManyCase(benchmark::State& state) {
  const fs::path out = fs::temp_directory_path() / "zubo_render_bench_many";
  std::string levels;
  for (int i = 0; i < 20; ++i) {
    const fs::path copy =
        fs::temp_directory_path() / ("zubo_render_bench_" + std::to_string(i) + ".lvl");
    std::error_code error;
    fs::copy_file(FullLevel(), copy, fs::copy_options::overwrite_existing, error);
    levels += " '" + copy.string() + "'";
  }
  const std::string command = "cd '" ZUBO_PROGRAM_DIR
                              "' && QT_QPA_PLATFORM=offscreen ./zubo-level render" +
                              levels + " --out '" + out.string() + "' --zoom 2 > /dev/null 2>&1";
  double busy = 0;
  double wall = 0;
  for (auto _ : state) {
    const double cpu = ChildrenCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    if (!Succeeds(command)) {
      state.SkipWithError("zubo-level render --out failed");
      break;
    }
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    busy += ChildrenCpuSeconds() - cpu;
  }
  state.counters["cores"] = wall > 0 ? busy / wall : 0;
  std::error_code error;
  fs::remove_all(out, error);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  for (const int zoom : {10, 2}) {
    for (const char* compression : {"fast", "small"}) {
      const std::string name = "RenderFullLevel/zoom" + std::to_string(zoom) + "/" + compression;
      benchmark::RegisterBenchmark(name.c_str(),
                                   [zoom, compression](benchmark::State& state) {
                                     RenderCase(state, zoom,
                                                std::string(" --compression ") + compression);
                                   })
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
  benchmark::RegisterBenchmark("DiffFullLevels", DiffCase)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RegisterBenchmark("RenderMany/20FullLevels/zoom2", RenderManyCase)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

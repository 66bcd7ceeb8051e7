// zubo-level render of the full benchmark map, timed as a user sees it: the
// whole process, from start to the PNG on disk.

#include <benchmark/benchmark.h>
#include <sys/wait.h>

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
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

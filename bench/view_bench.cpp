// The map view's costs: full redraws of a 1080p surface over the full map at
// several zooms, one refreshed cell, loading large tile sets, and a paste
// press with the redraw it asks for, with and without its undo step.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "bench_main.h"
#include "bench_map.h"
#include "plain_paste.h"
#include "editing/cell_selection.h"
#include "editing/map_document.h"
#include "editing/map_history.h"
#include "model/editor_state.h"
#include "model/map.h"
#include "view/map_view.h"
#include "view/tile_set.h"

namespace {

// A 1080p screen less the editor's panel.
constexpr int SurfaceWidth = 1920;
constexpr int SurfaceHeight = 967;
// The camera "in the middle": map cell (128, 128) at the bottom-left corner.
constexpr int MiddleCamera = 127;
constexpr int ImagesPerSet = 255;

QString SampleFolder() {
  return QStringLiteral(ZUBO_PROGRAM_DIR "/");
}

const TileSets& SampleSets() {
  static const std::unique_ptr<TileSets> sets = [] {
    auto loaded = std::make_unique<TileSets>();
    if (!LoadTileSets(SampleFolder(), *loaded).Ok) qFatal("The sample tile sets do not load.");
    return loaded;
  }();
  return *sets;
}

SampleImageCounts SampleCounts() {
  const TileSets& sets = SampleSets();
  SampleImageCounts counts;
  counts.Bg = sets.DXBG.ImageCount();
  counts.Mg = sets.DXMG.ImageCount();
  counts.Fg = sets.DXFG.ImageCount();
  counts.Objects = sets.DXOBJ.ImageCount();
  counts.Chars = sets.DXCH.ImageCount();
  counts.Platforms = sets.DXPLA.ImageCount();
  return counts;
}

// The full map drawn with the sample sets, as the editor starts: the tile
// tool with the background palette, every show switch on.
struct Scene {
  explicit Scene(int zoom, int camera) {
    Inputs.Geometry.ViewWidth = SurfaceWidth;
    Inputs.Geometry.ViewHeight = SurfaceHeight;
    Inputs.Geometry.Zoom = zoom;
    Inputs.Geometry.CellSize = CellSizeFor(zoom, SampleSets().BaseTileSize);
    Inputs.Geometry.CameraX = camera;
    Inputs.Geometry.CameraY = camera;
  }

  std::unique_ptr<Map> FullMap = MakeFullMap(SampleCounts());
  MapView View{SampleSets()};
  QImage Buffer{SurfaceWidth, SurfaceHeight, QImage::Format_ARGB32_Premultiplied};
  ViewInputs Inputs;
};

void RedrawViewCase(benchmark::State& state, int zoom, int camera) {
  Scene scene(zoom, camera);
  for (auto _ : state) {
    if (!scene.View.RedrawView(scene.Buffer, *scene.FullMap, scene.Inputs)) {
      state.SkipWithError("the full map could not be drawn");
      break;
    }
    benchmark::DoNotOptimize(scene.Buffer.constBits());
  }
}

void RefreshCellCase(benchmark::State& state) {
  Scene scene(10, 0);
  scene.View.RedrawView(scene.Buffer, *scene.FullMap, scene.Inputs);
  int i = 0;
  for (auto _ : state) {
    // Cells along the visible part of the map, one per pointer event.
    const int x = 1 + i % 100;
    const int y = 1 + (i / 100) % 50;
    ++i;
    scene.View.RefreshCell(scene.Buffer, *scene.FullMap, scene.Inputs, x, y);
    benchmark::DoNotOptimize(scene.Buffer.constBits());
  }
}

// A paste of a 16 x 16 block as the window runs it: the paste, through the
// document as an undo step or copied by hand within the map, then the full
// redraw its result asks for.
void PastePressCase(benchmark::State& state, bool recorded) {
  Scene scene(10, 0);
  MapDocument document(std::make_unique<Map>(*scene.FullMap));
  Map& plain = *scene.FullMap;
  document.MarkChanged();  // as every press leaves it
  EditorState editor;
  CellSelection selection;
  for (int x = 1; x <= 16; ++x)
    for (int y = 1; y <= 16; ++y) selection.Add(CellPosition{x, y});
  CopyTilesClick(editor, selection);
  int target = 20;
  for (auto _ : state) {
    if (recorded) {
      document.BeginStep("Paste");
      PastePress(document.Edit(), editor, selection, MouseButton::Left, target, target);
      document.EndStep();
    } else {
      PasteByHand(plain, selection, target, target);
    }
    scene.View.RedrawView(scene.Buffer, recorded ? document.GetMap() : plain, scene.Inputs);
    benchmark::DoNotOptimize(scene.Buffer.constBits());
    target = target == 20 ? 40 : 20;
  }
}

// A program folder whose six image folders hold 255 images each (copies of
// the sample images, in turn) and the primary marker.
class LargeTileFolder {
 public:
  LargeTileFolder() {
    const char* folders[] = {"img_bg/", "img_mg/", "img_fg/", "img_obj/", "img_pla/", "img_chars/"};
    for (const char* folder : folders) {
      const QString from = SampleFolder() + QLatin1String(folder);
      const QString to = Dir.path() + QLatin1Char('/') + QLatin1String(folder);
      QDir().mkpath(to);
      const int samples = static_cast<int>(
          QDir(from).entryList({QStringLiteral("[0-9]*.png")}, QDir::Files).size());
      for (int n = 0; n < ImagesPerSet; ++n) {
        QFile::copy(from + QString::number(n % samples) + QStringLiteral(".png"),
                    to + QString::number(n) + QStringLiteral(".png"));
      }
    }
    QFile::copy(SampleFolder() + QStringLiteral("img_chars/primary.png"),
                Dir.path() + QStringLiteral("/img_chars/primary.png"));
  }

  QString Path() const { return Dir.path(); }

 private:
  QTemporaryDir Dir;
};

void LoadTileSetsCase(benchmark::State& state) {
  static const LargeTileFolder folder;
  for (auto _ : state) {
    TileSets sets;
    if (!LoadTileSets(folder.Path(), sets).Ok || sets.DXBG.ImageCount() != ImagesPerSet) {
      state.SkipWithError("the large tile sets do not load");
      break;
    }
    benchmark::DoNotOptimize(sets.BaseTileSize);
  }
}

void RegisterCases() {
  for (const int zoom : {10, 5, 2, 20}) {
    for (const int camera : {0, MiddleCamera}) {
      const std::string name =
          "RedrawView/1920x967/zoom" + std::to_string(zoom) + (camera == 0 ? "/origin" : "/middle");
      benchmark::RegisterBenchmark(name.c_str(), RedrawViewCase, zoom, camera)
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RegisterBenchmark("RefreshCell/zoom10", RefreshCellCase)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("LoadTileSets/255PerFolder", LoadTileSetsCase)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("PastePress/16x16/plain", PastePressCase, false)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("PastePress/16x16/recorded", PastePressCase, true)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks<QGuiApplication>(argc, argv, RegisterCases);
}

#include "cli/render.h"

#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

#include "cli/commands.h"
#include "files/safe_file.h"
#include "levelfile/file_paths.h"
#include "model/map.h"
#include "model/message_texts.h"
#include "view/map_view.h"
#include "view/tile_set.h"

namespace {

constexpr int MinZoom = 2;
constexpr int MaxZoom = 100;
constexpr int MaxCamera = MaxMapSize;
// QPainter draws on images up to this many pixels a side.
constexpr int MaxImageSide = 32767;
// 512 MB of pixels.
constexpr long long MaxImagePixels = 1LL << 27;

// A whole number in min..max, and nothing else.
std::optional<int> ParseNumber(const std::string& text, int min, int max) {
  if (text.empty() || text.size() > 9 ||
      !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
    return std::nullopt;
  const int value = std::atoi(text.c_str());
  if (value < min || value > max) return std::nullopt;
  return value;
}

// "AxB" (size) or "A,B" (camera).
bool ParsePair(const std::string& text, char separator, int min, int max, int& first, int& second) {
  const size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  const std::optional<int> a = ParseNumber(text.substr(0, at), min, max);
  const std::optional<int> b = ParseNumber(text.substr(at + 1), min, max);
  if (!a || !b) return false;
  first = *a;
  second = *b;
  return true;
}

std::string FormatFor(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || path.find('/', dot) != std::string::npos) return {};
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "png") return "PNG";
  if (extension == "bmp") return "BMP";
  return {};
}

std::optional<RenderOptions> Refuse(const std::string& why) {
  std::cerr << why << '\n';
  return std::nullopt;
}

// Encodes the image in the chosen format and writes it; the system's error
// text, or nothing.
std::string WriteImage(const QImage& image, const RenderOptions& options, const std::string& path) {
  if (options.ImageFormat == "PNG") {
    const std::vector<uint8_t> png = EncodeRgbPng(
        reinterpret_cast<const uint32_t*>(image.constBits()), image.width(), image.height(),
        static_cast<size_t>(image.bytesPerLine()) / 4, options.Compression);
    if (png.empty()) return "the image cannot be encoded";
    return ReplaceFileSafely(path, png.data(), png.size());
  }
  QByteArray encoded;
  QBuffer device(&encoded);
  device.open(QIODevice::WriteOnly);
  if (!image.convertToFormat(QImage::Format_RGB32).save(&device, options.ImageFormat.c_str()))
    return "the image cannot be encoded";
  return ReplaceFileSafely(path, encoded.constData(), static_cast<size_t>(encoded.size()));
}

// The image of a level in the folder: its name without ".lvl", as a PNG.
std::string ImageInFolder(const std::string& folder, const std::string& level) {
  std::string name = level.substr(level.rfind('/') + 1);
  if (name.size() > 4 && name.compare(name.size() - 4, 4, ".lvl") == 0)
    name.resize(name.size() - 4);
  return ProgramFolder(folder) + name + ".png";
}

// The largest zoom at which the whole map fits into fit x fit pixels; the
// smallest zoom when none does.
int ZoomToFit(int fit, int width, int height, int baseTileSize) {
  const int side = std::max(width, height);
  int zoom = MinZoom;
  while (zoom < MaxZoom && CellSizeFor(zoom + 1, baseTileSize) * side <= fit) ++zoom;
  return zoom;
}

// The image made smaller, keeping its aspect ratio, when it is larger than
// fit x fit pixels.
QImage Fitted(const QImage& image, int fit) {
  if (image.width() <= fit && image.height() <= fit) return image;
  return image.scaled(fit, fit, Qt::KeepAspectRatio, Qt::SmoothTransformation)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Draws one level into its image; the status, after saying why it failed.
int RenderLevel(const std::string& level, const std::string& image, const TileSets& sets,
                RenderOptions options) {
  auto map = std::make_unique<Map>();
  if (!LoadMap(level, *map)) return ExitFileError;
  if (options.Fit > 0)
    options.Zoom = ZoomToFit(options.Fit, map->Width, map->Height, sets.BaseTileSize);
  const std::optional<ViewInputs> inputs = RenderInputs(options, sets, map->Width, map->Height);
  if (!inputs) return ExitUsage;
  const QImage drawn = DrawMap(*map, sets, *inputs);
  if (drawn.isNull()) return ExitFileError;
  return WriteRenderedImage(options.Fit > 0 ? Fitted(drawn, options.Fit) : drawn, options, image);
}

// Each level into the folder (made when missing), on every core, a line of progress on a
// terminal; the worst status of all.
int RenderMany(const RenderOptions& options, const TileSets& sets) {
  // Two levels of one name in different folders would overwrite one image.
  std::set<std::string> images;
  for (const std::string& level : options.Levels) {
    if (images.insert(ImageInFolder(options.OutFolder, level)).second) continue;
    std::cerr << "Two levels would be drawn into " << ImageInFolder(options.OutFolder, level)
              << "; render them into different folders.\n";
    return ExitUsage;
  }
  if (!QDir().mkpath(QString::fromLocal8Bit(options.OutFolder.c_str()))) {
    std::cerr << "Cannot make the folder " << options.OutFolder << ".\n";
    return ExitFileError;
  }
  std::atomic<size_t> next{0};
  std::atomic<size_t> done{0};
  std::atomic<int> worst{ExitOk};
  std::mutex progress;
  const bool terminal = isatty(STDERR_FILENO) != 0;
  const auto work = [&] {
    for (size_t i = next++; i < options.Levels.size(); i = next++) {
      const std::string& level = options.Levels[i];
      const int status = RenderLevel(level, ImageInFolder(options.OutFolder, level), sets, options);
      int seen = worst.load();
      while (status > seen && !worst.compare_exchange_weak(seen, status)) {
      }
      const size_t count = ++done;
      if (!terminal) continue;
      const std::lock_guard<std::mutex> lock(progress);
      std::cerr << "\rRendered " << count << " of " << options.Levels.size() << std::flush;
    }
  };
  const size_t workers =
      std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), options.Levels.size());
  std::vector<std::thread> threads;
  for (size_t i = 1; i < workers; ++i) threads.emplace_back(work);
  work();
  for (std::thread& thread : threads) thread.join();
  if (terminal) std::cerr << '\n';
  return worst;
}

}  // namespace

std::optional<RenderOptions> ParseRenderArguments(const std::vector<std::string>& args) {
  RenderOptions options;
  std::vector<std::string> files;
  bool diff = false;
  bool zoomGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--zoom" || arg == "--size" || arg == "--camera" ||
                            arg == "--tiles" || arg == "--game" || arg == "--compression" ||
                            arg == "--out" || arg == "--fit";
    if (arg == "--diff") {
      diff = true;
      continue;
    }
    if (!takesValue) {
      if (arg.rfind("--", 0) == 0) return Refuse("Unknown option " + arg + ".");
      files.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) return Refuse("The option " + arg + " needs a value.");
    const std::string& value = args[++i];
    if (arg == "--zoom") {
      const std::optional<int> zoom = ParseNumber(value, MinZoom, MaxZoom);
      if (!zoom) return Refuse("The zoom must be a whole number from 2 to 100.");
      options.Zoom = *zoom;
      zoomGiven = true;
    } else if (arg == "--size") {
      if (!ParsePair(value, 'x', 1, MaxImageSide, options.Width, options.Height) ||
          !FitsAnImage(options.Width, options.Height))
        return Refuse("The size must be WIDTHxHEIGHT in pixels, such as 1920x967.");
      options.SizeGiven = true;
    } else if (arg == "--camera") {
      if (!ParsePair(value, ',', 0, MaxCamera, options.CameraX, options.CameraY))
        return Refuse("The camera must be X,Y in cells, each from 0 to 255.");
    } else if (arg == "--compression") {
      if (value != "fast" && value != "small")
        return Refuse("The compression must be fast or small.");
      options.Compression = value == "fast" ? PngCompression::Fast : PngCompression::Small;
    } else if (arg == "--fit") {
      const std::optional<int> fit = ParseNumber(value, 1, MaxImageSide);
      if (!fit) return Refuse("The fit must be a number of pixels from 1 to 32767.");
      options.Fit = *fit;
    } else if (arg == "--game") {
      options.GameFolder = value;
    } else if (arg == "--out") {
      options.OutFolder = value;
    } else {
      options.TilesFolder = value;
    }
  }
  // With a game folder, a level name is found there first, as the editor
  // finds the level named on its command line.
  const size_t levelCount =
      options.OutFolder.empty() && !files.empty() ? files.size() - 1 : files.size();
  for (size_t i = 0; i < levelCount && !options.GameFolder.empty(); ++i)
    files[i] = LevelArgumentPath(ProgramFolder(options.GameFolder), "./", files[i]);
  if (options.TilesFolder.empty()) options.TilesFolder = options.GameFolder;
  if (!options.OutFolder.empty()) {
    if (diff || files.empty()) return Refuse("render --out DIR needs one or more level FILEs.");
    options.Levels = files;
    options.ImageFormat = "PNG";
    return options;
  }
  if (options.Fit > 0 && (options.SizeGiven || zoomGiven))
    return Refuse("--fit chooses the zoom and the size itself.");
  if (diff && files.size() != 3) return Refuse("render --diff needs OLD, NEW and an image OUT.");
  if (!diff && files.size() != 2) return Refuse("render needs a level FILE and an image OUT.");
  if (diff) options.DiffOldPath = files[0];
  options.LevelPath = files[files.size() - 2];
  options.ImagePath = files.back();
  options.ImageFormat = FormatFor(options.ImagePath);
  // A thumbnailer names its output as it likes: a picture to fit is a PNG.
  if (options.ImageFormat.empty() && options.Fit > 0) options.ImageFormat = "PNG";
  if (options.ImageFormat.empty()) return Refuse("The image OUT must end in .png or .bmp.");
  return options;
}

bool FitsAnImage(long long width, long long height) {
  return width >= 1 && height >= 1 && width <= MaxImageSide && height <= MaxImageSide &&
         width * height <= MaxImagePixels;
}

std::optional<ViewInputs> RenderInputs(const RenderOptions& options, const TileSets& sets,
                                       int width, int height) {
  const int cellSize = CellSizeFor(options.Zoom, sets.BaseTileSize);
  ViewInputs inputs;
  ViewGeometry& geometry = inputs.Geometry;
  geometry.Zoom = options.Zoom;
  geometry.CellSize = cellSize;
  geometry.CameraX = options.CameraX;
  geometry.CameraY = options.CameraY;
  geometry.ViewWidth = options.SizeGiven ? options.Width : width * cellSize;
  geometry.ViewHeight = options.SizeGiven ? options.Height : height * cellSize;
  if (!FitsAnImage(geometry.ViewWidth, geometry.ViewHeight)) {
    std::cerr << "The image of " << geometry.ViewWidth << " x " << geometry.ViewHeight
              << " pixels would be too large; choose a smaller --zoom or a --size.\n";
    return std::nullopt;
  }
  // A tool that shows neither the palette nor an editing overlay.
  inputs.ActiveTool = Tool::ToolSelectPrimaryChar;
  return inputs;
}

QImage DrawMap(const Map& map, const TileSets& sets, const ViewInputs& inputs) {
  QImage buffer(inputs.Geometry.ViewWidth, inputs.Geometry.ViewHeight,
                QImage::Format_ARGB32_Premultiplied);
  if (buffer.isNull()) {
    std::cerr << "Not enough memory for the image.\n";
    return buffer;
  }
  MapView view(sets);
  if (!view.RedrawView(buffer, map, inputs)) {
    std::cerr << MessageTexts::MapCorrupted << '\n';
    return QImage();
  }
  return buffer;
}

// The image replaces an older one only once it is complete. The frame is
// opaque (the view fills its background first), so its premultiplied pixels
// are the picture's colours as they stand.
int WriteRenderedImage(const QImage& image, const RenderOptions& options, const std::string& path) {
  const std::string error = WriteImage(image, options, path);
  if (error.empty()) return ExitOk;
  std::cerr << "Cannot write the image " << path << ": " << error << '\n';
  return ExitFileError;
}

int RenderCommand(const RenderOptions& options, int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  // Without a folder named, the working directory's tile sets, or an
  // installed editor's sample game's.
  QString tiles = QString::fromLocal8Bit(options.TilesFolder.c_str());
  if (tiles.isEmpty()) {
    const QString installed = InstalledSampleGame(QCoreApplication::applicationDirPath());
    tiles = !HasTileSets(QDir::currentPath()) && HasTileSets(installed) ? installed
                                                                        : QDir::currentPath();
  }
  TileSets sets;
  const TileLoadResult loaded = LoadTileSets(tiles, sets);
  if (!loaded.Ok) {
    std::cerr << loaded.Error.toStdString() << '\n';
    return ExitFileError;
  }
  if (!options.OutFolder.empty()) return RenderMany(options, sets);
  if (!options.DiffOldPath.empty()) return RenderDiff(options, sets);
  return RenderLevel(options.LevelPath, options.ImagePath, sets, options);
}

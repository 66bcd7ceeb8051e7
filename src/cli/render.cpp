#include "cli/render.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <memory>

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

bool FitsAnImage(long long width, long long height) {
  return width >= 1 && height >= 1 && width <= MaxImageSide && height <= MaxImageSide &&
         width * height <= MaxImagePixels;
}

// Encodes the image in the chosen format and writes it; the system's error
// text, or nothing.
std::string WriteImage(const QImage& image, const RenderOptions& options) {
  if (options.ImageFormat == "PNG") {
    const std::vector<uint8_t> png = EncodeRgbPng(
        reinterpret_cast<const uint32_t*>(image.constBits()), image.width(), image.height(),
        static_cast<size_t>(image.bytesPerLine()) / 4, options.Compression);
    if (png.empty()) return "the image cannot be encoded";
    return ReplaceFileSafely(options.ImagePath, png.data(), png.size());
  }
  QByteArray encoded;
  QBuffer device(&encoded);
  device.open(QIODevice::WriteOnly);
  if (!image.convertToFormat(QImage::Format_RGB32).save(&device, options.ImageFormat.c_str()))
    return "the image cannot be encoded";
  return ReplaceFileSafely(options.ImagePath, encoded.constData(),
                           static_cast<size_t>(encoded.size()));
}

}  // namespace

std::optional<RenderOptions> ParseRenderArguments(const std::vector<std::string>& args) {
  RenderOptions options;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--zoom" || arg == "--size" || arg == "--camera" ||
                            arg == "--tiles" || arg == "--game" || arg == "--compression";
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
    } else if (arg == "--game") {
      options.GameFolder = value;
    } else {
      options.TilesFolder = value;
    }
  }
  if (files.size() != 2) return Refuse("render needs a level FILE and an image OUT.");
  // With a game folder, a level name is found there first, as the editor
  // finds the level named on its command line.
  options.LevelPath = options.GameFolder.empty()
                          ? files[0]
                          : LevelArgumentPath(ProgramFolder(options.GameFolder), "./", files[0]);
  if (options.TilesFolder.empty()) options.TilesFolder = options.GameFolder;
  options.ImagePath = files[1];
  options.ImageFormat = FormatFor(options.ImagePath);
  if (options.ImageFormat.empty()) return Refuse("The image OUT must end in .png or .bmp.");
  return options;
}

int RenderCommand(const RenderOptions& options, int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);

  auto map = std::make_unique<Map>();
  if (!LoadMap(options.LevelPath, *map)) return ExitFileError;
  const QString tiles = options.TilesFolder.empty()
                            ? QDir::currentPath()
                            : QString::fromLocal8Bit(options.TilesFolder.c_str());
  TileSets sets;
  const TileLoadResult loaded = LoadTileSets(tiles, sets);
  if (!loaded.Ok) {
    std::cerr << loaded.Error.toStdString() << '\n';
    return ExitFileError;
  }

  ViewInputs inputs;
  ViewGeometry& geometry = inputs.Geometry;
  geometry.Zoom = options.Zoom;
  geometry.CellSize = CellSizeFor(options.Zoom, sets.BaseTileSize);
  geometry.CameraX = options.CameraX;
  geometry.CameraY = options.CameraY;
  geometry.ViewWidth = options.SizeGiven ? options.Width : map->Width * geometry.CellSize;
  geometry.ViewHeight = options.SizeGiven ? options.Height : map->Height * geometry.CellSize;
  if (!FitsAnImage(geometry.ViewWidth, geometry.ViewHeight)) {
    std::cerr << "The image of " << geometry.ViewWidth << " x " << geometry.ViewHeight
              << " pixels would be too large; choose a smaller --zoom or a --size.\n";
    return ExitUsage;
  }
  // A tool that shows neither the palette nor an editing overlay.
  inputs.ActiveTool = Tool::ToolSelectPrimaryChar;

  QImage buffer(geometry.ViewWidth, geometry.ViewHeight, QImage::Format_ARGB32_Premultiplied);
  if (buffer.isNull()) {
    std::cerr << "Not enough memory for the image.\n";
    return ExitFileError;
  }
  MapView view(sets);
  if (!view.RedrawView(buffer, *map, inputs)) {
    std::cerr << MessageTexts::MapCorrupted << '\n';
    return ExitFileError;
  }
  // The image replaces an older one only once it is complete.
  // The frame is opaque (the view fills its background first), so its
  // premultiplied pixels are the picture's colours as they stand.
  const std::string error = WriteImage(buffer, options);
  if (!error.empty()) {
    std::cerr << "Cannot write the image " << options.ImagePath << ": " << error << '\n';
    return ExitFileError;
  }
  return ExitOk;
}

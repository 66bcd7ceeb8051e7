#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/png_encoder.h"

// What `zubo-level render` draws, from its command line.
struct RenderOptions {
  std::string LevelPath;
  std::string ImagePath;
  // --diff OLD NEW OUT: the level NEW is drawn with what differs from OLD
  // marked; empty otherwise.
  std::string DiffOldPath;
  // FILE... --out DIR: each level into DIR, named after it; empty otherwise.
  std::vector<std::string> Levels;
  std::string OutFolder;
  std::string ImageFormat;  // "PNG" or "BMP", from the image's extension
  int Zoom = 10;
  // --fit N: the whole map in at most N x N pixels, at whatever zoom that
  // takes; 0 when not asked for.
  int Fit = 0;
  bool SizeGiven = false;  // otherwise the image holds the whole map
  int Width = 0;
  int Height = 0;
  int CameraX = 0;
  int CameraY = 0;
  std::string TilesFolder;  // empty: the game folder, else the working directory
  std::string GameFolder;   // empty: none
  PngCompression Compression = PngCompression::Fast;
};

// The options of `render FILE OUT`, `render --diff OLD NEW OUT` and `render
// FILE... --out DIR`, each with [--zoom Z] [--size WxH] [--camera X,Y]
// [--tiles DIR] [--game DIR] [--compression fast|small] (the arguments
// after "render"); nothing when they are not usable, after saying why on
// standard error.
std::optional<RenderOptions> ParseRenderArguments(const std::vector<std::string>& args);

// Draws the level as the editor's view does (without the palette) and
// writes the image. Starts the Qt application drawing needs, offscreen
// unless a platform is chosen.
int RenderCommand(const RenderOptions& options, int argc, char** argv);

// The parts the forms of render share.
class Map;
class QImage;
struct TileSets;
struct ViewInputs;

// The view's inputs for drawing a map of width x height cells with the
// options: the whole map unless a size is given. None, after saying so,
// when the image would be too large to draw.
std::optional<ViewInputs> RenderInputs(const RenderOptions& options, const TileSets& sets,
                                       int width, int height);
// True when an image of width x height pixels can be drawn.
bool FitsAnImage(long long width, long long height);
// Draws the map into a new image; a null image after saying why.
QImage DrawMap(const Map& map, const TileSets& sets, const ViewInputs& inputs);
// Writes the image as the options' format to path; the status.
int WriteRenderedImage(const QImage& image, const RenderOptions& options, const std::string& path);

// render --diff
int RenderDiff(const RenderOptions& options, const TileSets& sets);

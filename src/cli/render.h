#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/png_encoder.h"

// What `zubo-level render` draws, from its command line.
struct RenderOptions {
  std::string LevelPath;
  std::string ImagePath;
  std::string ImageFormat;  // "PNG" or "BMP", from the image's extension
  int Zoom = 10;
  bool SizeGiven = false;  // otherwise the image holds the whole map
  int Width = 0;
  int Height = 0;
  int CameraX = 0;
  int CameraY = 0;
  std::string TilesFolder;  // empty: the game folder, else the working directory
  std::string GameFolder;   // empty: none
  PngCompression Compression = PngCompression::Fast;
};

// The options of `render FILE OUT [--zoom Z] [--size WxH] [--camera X,Y]
// [--tiles DIR] [--compression fast|small]` (the arguments after "render"); nothing when they are
// not usable, after saying why on standard error.
std::optional<RenderOptions> ParseRenderArguments(const std::vector<std::string>& args);

// Draws the level as the editor's view does (without the palette) and
// writes the image. Starts the Qt application drawing needs, offscreen
// unless a platform is chosen.
int RenderCommand(const RenderOptions& options, int argc, char** argv);

#pragma once

class Map;
class QPainter;
class ScaledTiles;
struct TileSets;
struct ViewGeometry;

// Draws every spring as its polyline in the colour of its kind.
void DrawSprings(QPainter& painter, const Map& map, const ViewGeometry& geometry);

// Draws every platform: its image at the start and end cells, the path
// between the images' centres and, for switch types with a switch, the line
// from the end image's centre to the switch cell's centre. False when a
// platform's kind has no image.
bool DrawPlatforms(QPainter& painter, ScaledTiles& tiles, const TileSets& sets, const Map& map,
                   const ViewGeometry& geometry);

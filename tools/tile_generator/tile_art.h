#pragma once

#include <QImage>
#include <vector>

// The sample tile sets, in file order: element i is written as i.png.

// Background walls: sewer bricks, stone, earth, pipes, sandstone, jungle,
// night sky, metal, tiles and wood. Elements 46..50 are editor-only markers
// that the game removes from a level.
std::vector<QImage> BackgroundTiles();
// Midground blocks the hero walks on; element 13 is the level's exit.
std::vector<QImage> MidgroundTiles();
// Foreground decoration drawn in front; elements 36..39 are lava.
std::vector<QImage> ForegroundTiles();
// One image per object kind 1..12, sized by the kind's footprint.
std::vector<QImage> ObjectImages();
// The chars; element 0 is the hero, Zubo.
std::vector<QImage> CharImages();
// The frame drawn around the primary Zubo.
QImage PrimaryMarker();
// The moving platforms.
std::vector<QImage> PlatformImages();

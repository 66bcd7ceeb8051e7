#pragma once

#include "view/view_geometry.h"

// The way the camera moves while an arrow button or arrow key is held. It
// keeps its last value after a movement stops.
enum class ScrollDirection {
  None,
  Up,
  Down,
  Left,
  Right,
};

// The intervals of the camera timer, in milliseconds: armed for the first
// step, waiting for the first repeat, and repeating.
constexpr int CameraArmedInterval = 1;
constexpr int CameraFirstRepeatInterval = 500;
constexpr int CameraRepeatInterval = 50;

// The interval that follows a tick at the given one: the armed timer waits
// for the first repeat, which is followed by the repeating rate.
int NextCameraInterval(int interval);

// Moves the camera one cell in the direction. The left and bottom bounds are
// 0; the camera moves right or up only while the last fully visible column or
// row lies below 255, the size of the largest map, whatever the map's own
// size. Returns true when the camera moved.
bool StepCamera(ViewGeometry& geometry, ScrollDirection direction);

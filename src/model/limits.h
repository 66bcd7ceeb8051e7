#pragma once

// The sizes the map is held in, and what one level file can represent.

// The grid's storage: columns and rows 1..GridSize.
constexpr int GridSize = 256;

// Width and Height are 1..MaxMapSize (one byte each in the level file).
constexpr int MinMapSize = 1;
constexpr int MaxMapSize = 255;
constexpr int DefaultMapSize = 20;

// Capacity of the spring and platform arrays, and of a spring's points.
constexpr int SpringCapacity = 256;
constexpr int PlatformCapacity = 256;
constexpr int SpringPointCapacity = 256;

// What one level file can hold: every count is one byte, a spring's point
// count and kind share one byte (four bits each).
constexpr int MaxFileListCount = 255;
constexpr int MaxFileSpringPoints = 15;
constexpr int MaxFileSpringKind = 16;
constexpr int MaxCustomTextLength = 255;

// Backgrounds offered by the drop-down list.
constexpr int BackgroundCount = 3;

// The backgrounds' names, as the drop-down list offers them.
extern const char* const BackgroundNames[BackgroundCount];

#pragma once

// The footprint of an object kind, in cells, from its anchor cell to the
// right (Width) and upwards (Height).
struct ObjectSize {
  int Width;
  int Height;
};

// The kinds with a footprint of their own; any other kind is 1 x 1.
constexpr int SizedObjectKinds = 12;

// No footprint is wider or taller than this; the spring attachment search
// relies on it.
constexpr int MaxObjectExtent = 8;

ObjectSize ObjectSizes(int objectKind);

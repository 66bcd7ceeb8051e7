#include "recovery/recovery_file.h"

#include <cstring>

#include "model/limits.h"
#include "model/map.h"

namespace {

constexpr char Magic[] = "ZUBOREC1";
constexpr size_t MagicSize = sizeof(Magic) - 1;
// Coordinates of spring points and the primary char may lie outside the map
// after resizing, but never this far.
constexpr int32_t FarCoordinate = 1 << 16;
constexpr size_t MaxFileNameSize = 1 << 16;

uint64_t Checksum(const uint8_t* data, size_t size) {
  uint64_t hash = 14695981039346656037ull;
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 1099511628211ull;
  return hash;
}

class Writer {
 public:
  explicit Writer(std::vector<uint8_t>& bytes) : Bytes(bytes) {}
  void Int(int64_t value, int size) {
    for (int i = 0; i < size; ++i) Bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
  void I32(int32_t value) { Int(value, 4); }
  void Raw(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    Bytes.insert(Bytes.end(), bytes, bytes + size);
  }
  void Text(const std::string& text) {
    Int(static_cast<int64_t>(text.size()), 4);
    Raw(text.data(), text.size());
  }

 private:
  std::vector<uint8_t>& Bytes;
};

// Reads values in order; any read past the end, or a value out of its range,
// makes the whole read fail.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : Data(data), Size(size) {}
  bool Ok() const { return Good; }
  bool AtEnd() const { return Position == Size; }

  uint64_t Unsigned(int size) {
    if (!Take(size)) return 0;
    uint64_t value = 0;
    for (int i = 0; i < size; ++i) value |= uint64_t{Data[Position - size + i]} << (8 * i);
    return value;
  }
  int32_t I32(int32_t low, int32_t high) {
    const auto value = static_cast<int32_t>(static_cast<uint32_t>(Unsigned(4)));
    if (value < low || value > high) Good = false;
    return Good ? value : low;
  }
  uint8_t Byte() { return static_cast<uint8_t>(Unsigned(1)); }
  void Raw(void* target, size_t size) {
    if (Take(size)) std::memcpy(target, Data + Position - size, size);
  }
  std::string Text(size_t maxSize) {
    const auto size = static_cast<size_t>(Unsigned(4));
    if (size > maxSize || !Take(size)) {
      Good = false;
      return {};
    }
    return std::string(reinterpret_cast<const char*>(Data + Position - size), size);
  }

 private:
  bool Take(size_t size) {
    if (!Good || size > Size - Position) {
      Good = false;
      return false;
    }
    Position += size;
    return true;
  }

  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
  bool Good = true;
};

}  // namespace

std::vector<uint8_t> EncodeRecoveryBody(const Map& map, int platformCount,
                                        const RecoveryInfo& info) {
  std::vector<uint8_t> bytes;
  bytes.reserve(sizeof(map.Cells) + 4096 + info.FileName.size() + info.CustomTexts.size() +
                size_t{9} * PlatformCapacity);
  Writer out(bytes);
  out.Text(info.FileName);
  out.Text(info.CustomTexts);
  for (const int value : {info.Zoom, info.CameraX, info.CameraY, map.Width, map.Height,
                          map.Background, map.PrimaryCharX, map.PrimaryCharY})
    out.I32(value);
  static_assert(sizeof(MapCell) == 6, "cells are stored as their six bytes");
  out.Raw(map.Cells.data(), sizeof(map.Cells));
  out.I32(map.SpringCount);
  for (int i = 0; i < map.SpringCount; ++i) {
    const Spring& spring = map.Springs[i];
    out.I32(spring.Kind);
    out.I32(spring.PointCount);
    for (int k = 0; k < spring.PointCount; ++k) {
      out.I32(spring.Points[k].X);
      out.I32(spring.Points[k].Y);
      out.Int(spring.Points[k].Corner, 1);
    }
  }
  out.I32(platformCount);
  for (int i = 0; i < platformCount; ++i) {
    const Platform& p = map.Platforms[i];
    for (const uint8_t value :
         {p.StartX, p.StartY, p.EndX, p.EndY, p.SwitchX, p.SwitchY, p.Speed, p.Kind, p.SwitchType})
      out.Int(value, 1);
  }
  return bytes;
}

std::vector<uint8_t> RecoveryFileBytes(const std::vector<uint8_t>& body, int64_t savedAt) {
  std::vector<uint8_t> bytes;
  bytes.reserve(MagicSize + 16 + body.size());
  Writer out(bytes);
  out.Raw(Magic, MagicSize);
  out.Int(savedAt, 8);
  out.Raw(body.data(), body.size());
  out.Int(static_cast<int64_t>(Checksum(bytes.data(), bytes.size())), 8);
  return bytes;
}

bool DecodeRecoveryFile(const uint8_t* data, size_t size, Map& map, RecoveryInfo& info) {
  if (size < MagicSize + 16 || std::memcmp(data, Magic, MagicSize) != 0) return false;
  const size_t checked = size - 8;
  Reader sum(data + checked, 8);
  if (sum.Unsigned(8) != Checksum(data, checked)) return false;

  Reader in(data + MagicSize, checked - MagicSize);
  info.SavedAt = static_cast<int64_t>(in.Unsigned(8));
  info.FileName = in.Text(MaxFileNameSize);
  info.CustomTexts = in.Text(MaxRecoveryFileSize);
  info.Zoom = in.I32(2, 100);
  info.CameraX = in.I32(0, FarCoordinate);
  info.CameraY = in.I32(0, FarCoordinate);
  map.Width = in.I32(MinMapSize, MaxMapSize);
  map.Height = in.I32(MinMapSize, MaxMapSize);
  map.Background = in.I32(0, BackgroundCount - 1);
  map.PrimaryCharX = in.I32(-FarCoordinate, FarCoordinate);
  map.PrimaryCharY = in.I32(-FarCoordinate, FarCoordinate);
  in.Raw(map.Cells.data(), sizeof(map.Cells));
  map.Springs = {};
  map.SpringCount = in.I32(0, SpringCapacity);
  for (int i = 0; in.Ok() && i < map.SpringCount; ++i) {
    Spring& spring = map.Springs[i];
    spring.Kind = in.I32(0, MaxFileSpringKind);
    spring.PointCount = in.I32(1, SpringPointCapacity);
    for (int k = 0; in.Ok() && k < spring.PointCount; ++k) {
      spring.Points[k].X = in.I32(-FarCoordinate, FarCoordinate);
      spring.Points[k].Y = in.I32(-FarCoordinate, FarCoordinate);
      spring.Points[k].Corner = in.Byte();
      if (spring.Points[k].Corner >= CornerCount) return false;
    }
  }
  map.Platforms = {};
  map.PlatformCount = in.I32(0, PlatformCapacity);
  for (int i = 0; in.Ok() && i < map.PlatformCount; ++i) {
    Platform& p = map.Platforms[i];
    for (uint8_t* value : {&p.StartX, &p.StartY, &p.EndX, &p.EndY, &p.SwitchX, &p.SwitchY, &p.Speed,
                           &p.Kind, &p.SwitchType})
      *value = in.Byte();
    if (p.SwitchType >= SwitchTypeCount) return false;
  }
  map.CustomTexts.clear();
  map.Saved = false;
  return in.Ok() && in.AtEnd();
}

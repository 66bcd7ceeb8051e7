#pragma once

#include <cstdint>

// Layer numbers: the index of each byte of a MapCell, as used by the mode
// list, the tools and the drawing code.
enum Layer : int {
  LayerBg = 0,
  LayerMg = 1,
  LayerFg = 2,
  LayerObject = 3,
  LayerChar = 4,
  LayerText = 5,
};

constexpr int LayerCount = 6;

// One cell of the grid. 0 on a layer means the cell has nothing there.
struct MapCell {
  uint8_t BgTile = 0;
  uint8_t MgTile = 0;
  uint8_t FgTile = 0;
  uint8_t ObjectKind = 0;
  uint8_t CharKind = 0;
  uint8_t TextId = 0;

  // The byte of layer 0..5, in the order of the fields above.
  // The member holding a layer's byte: chosen once, it serves a loop over
  // many cells of one layer.
  static uint8_t MapCell::*LayerMember(int layer) {
    switch (layer) {
      case LayerBg:
        return &MapCell::BgTile;
      case LayerMg:
        return &MapCell::MgTile;
      case LayerFg:
        return &MapCell::FgTile;
      case LayerObject:
        return &MapCell::ObjectKind;
      case LayerChar:
        return &MapCell::CharKind;
      default:
        return &MapCell::TextId;
    }
  }
  uint8_t& LayerByte(int layer) { return this->*LayerMember(layer); }
  uint8_t LayerByte(int layer) const { return const_cast<MapCell*>(this)->LayerByte(layer); }

  bool IsEmpty() const;
};

static_assert(sizeof(MapCell) == 6, "a cell is six bytes");

bool operator==(const MapCell& a, const MapCell& b);
inline bool operator!=(const MapCell& a, const MapCell& b) {
  return !(a == b);
}

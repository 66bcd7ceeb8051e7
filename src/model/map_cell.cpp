#include "model/map_cell.h"

#include <cassert>

uint8_t& MapCell::LayerByte(int layer) {
  switch (layer) {
    case LayerBg:
      return BgTile;
    case LayerMg:
      return MgTile;
    case LayerFg:
      return FgTile;
    case LayerObject:
      return ObjectKind;
    case LayerChar:
      return CharKind;
    default:
      assert(layer == LayerText);
      return TextId;
  }
}

uint8_t MapCell::LayerByte(int layer) const {
  return const_cast<MapCell*>(this)->LayerByte(layer);
}

bool MapCell::IsEmpty() const {
  return BgTile == 0 && MgTile == 0 && FgTile == 0 && ObjectKind == 0 && CharKind == 0 &&
         TextId == 0;
}

bool operator==(const MapCell& a, const MapCell& b) {
  return a.BgTile == b.BgTile && a.MgTile == b.MgTile && a.FgTile == b.FgTile &&
         a.ObjectKind == b.ObjectKind && a.CharKind == b.CharKind && a.TextId == b.TextId;
}

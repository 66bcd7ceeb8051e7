#include "model/map_cell.h"

bool MapCell::IsEmpty() const {
  return BgTile == 0 && MgTile == 0 && FgTile == 0 && ObjectKind == 0 && CharKind == 0 &&
         TextId == 0;
}

bool operator==(const MapCell& a, const MapCell& b) {
  return a.BgTile == b.BgTile && a.MgTile == b.MgTile && a.FgTile == b.FgTile &&
         a.ObjectKind == b.ObjectKind && a.CharKind == b.CharKind && a.TextId == b.TextId;
}

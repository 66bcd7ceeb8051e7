#include "editing/write_check.h"

#include "editing/map_document.h"
#include "model/map.h"

MapToWrite::MapToWrite(const Map& map, int platformCount) : Edited(map) {
  if (platformCount >= map.PlatformCount) return;
  Copy = std::make_unique<Map>(map);
  Copy->PlatformCount = platformCount;
}

MapToWrite::~MapToWrite() = default;

const Map& MapToWrite::Get() const {
  if (Copy) return *Copy;
  return Edited;
}

ValidationResult CheckForWrite(MapDocument& document, bool customTextsEnabled, int platformCount) {
  ValidationResult result =
      CheckMap(MapToWrite(document.GetMap(), platformCount).Get(), customTextsEnabled);
  if (result.RemovedBgTiles.empty()) return result;
  document.BeginStep("Removed tiles");
  MapEdit edit = document.Edit();
  for (const TileCell& cell : result.RemovedBgTiles) edit.Cell(cell.X, cell.Y).BgTile = 0;
  return result;
}

#include "editing/write_check.h"

#include "editing/map_document.h"
#include "model/map.h"

ValidationResult CheckForWrite(MapDocument& document, bool customTextsEnabled) {
  ValidationResult result = CheckMap(document.GetMap(), customTextsEnabled);
  if (result.RemovedBgTiles.empty()) return result;
  document.BeginStep("Removed tiles");
  MapEdit edit = document.Edit();
  for (const TileCell& cell : result.RemovedBgTiles) edit.Cell(cell.X, cell.Y).BgTile = 0;
  return result;
}

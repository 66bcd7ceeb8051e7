#pragma once

#include <memory>

#include "levelfile/validation.h"

class Map;
class MapDocument;

// The map as a level file gets it: its first platformCount platforms only,
// so that a platform still being placed is left out of the file, as it is
// from the recovery copy. The map itself stands in when nothing is left out.
class MapToWrite {
 public:
  MapToWrite(const Map& map, int platformCount);
  ~MapToWrite();
  MapToWrite(const MapToWrite&) = delete;
  MapToWrite& operator=(const MapToWrite&) = delete;
  const Map& Get() const;

 private:
  const Map& Edited;
  std::unique_ptr<Map> Copy;
};

// The check before a level file with the map's first platformCount
// platforms is written, and the removal of the background tiles it implies:
// part of the step going on, or a step of its own.
ValidationResult CheckForWrite(MapDocument& document, bool customTextsEnabled, int platformCount);

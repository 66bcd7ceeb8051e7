#pragma once

#include <memory>
#include <utility>

#include "editing/map_document.h"
#include "model/map.h"

// A map in a document: the test prepares and checks the map directly
// (*map, map->), and hands the tools under test Edit(), as the editor does.
class EditedMap {
 public:
  EditedMap() : EditedMap(std::make_unique<Map>()) {}
  explicit EditedMap(std::unique_ptr<Map> map) : Raw(map.get()), Document(std::move(map)) {}
  EditedMap(std::unique_ptr<Map> map, std::size_t historyBytes)
      : Raw(map.get()), Document(std::move(map), historyBytes) {}

  Map& operator*() const { return *Raw; }
  Map* operator->() const { return Raw; }
  MapEdit Edit() { return Document.Edit(); }

 private:
  Map* Raw;

 public:
  MapDocument Document;
};

#include "editing/map_document.h"

#include <utility>

#include "editing/map_history.h"
#include "model/map.h"

MapDocument::MapDocument() : MapDocument(std::make_unique<Map>()) {}

MapDocument::MapDocument(std::unique_ptr<Map> map)
    : MapDocument(std::move(map), MapHistory::DefaultByteLimit) {}

MapDocument::MapDocument(std::unique_ptr<Map> map, std::size_t historyBytes)
    : Edited(std::move(map)), Steps(std::make_unique<MapHistory>(historyBytes)) {}

MapDocument::~MapDocument() = default;

void MapDocument::BeginStep(const char* name) {
  Steps->BeginStep(*Edited, name);
}

bool MapDocument::StepOpen() const {
  return Steps->StepOpen();
}

bool MapDocument::EndStep() {
  return Steps->EndStep(*Edited);
}

bool MapDocument::Undo() {
  if (!Steps->Undo(*Edited)) return false;
  ++Changes;
  Edited->Saved = Steps->AtSavedState(*Edited);
  return true;
}

bool MapDocument::Redo() {
  if (!Steps->Redo(*Edited)) return false;
  ++Changes;
  Edited->Saved = Steps->AtSavedState(*Edited);
  return true;
}

void MapDocument::TypeSize(int width, int height) {
  ++Changes;
  Steps->TypeSize(*Edited, width, height);
}

void MapDocument::SetCustomTexts(std::vector<std::string> lines) {
  ++Changes;
  Steps->NoteChange(*Edited);
  Edited->CustomTexts = std::move(lines);
}

void MapDocument::New() {
  ++Changes;
  NewMap(*Edited);
  Steps->Clear();
}

void MapDocument::Replace(const Map& map) {
  ++Changes;
  *Edited = map;
  Steps->Clear();
}

void MapDocument::StartHistory() {
  Steps->Clear();
}

bool MapDocument::Saved() const {
  return Edited->Saved;
}

void MapDocument::MarkChanged() {
  Edited->Saved = false;
}

void MapDocument::MarkSaved() {
  Edited->Saved = true;
}

void MapDocument::MarkSavedIfUnchanged() {
  Edited->Saved = Steps->AtSavedState(*Edited);
}

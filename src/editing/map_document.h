#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editing/map_edit.h"

class Map;
class MapHistory;

// The edited level: the map, its undo history with the position last saved,
// and the name of its file. Every change of the map goes through it: the
// changes that are steps through Edit(), whole maps through Replace or New.
//
// Saved is the map's: a change clears it, a save or a load sets it, undo
// and redo set it when they reach the saved position.
class MapDocument {
 public:
  MapDocument();
  explicit MapDocument(std::unique_ptr<Map> map);
  // With a history that keeps its newest steps within historyBytes.
  MapDocument(std::unique_ptr<Map> map, std::size_t historyBytes);
  ~MapDocument();
  MapDocument(const MapDocument&) = delete;
  MapDocument& operator=(const MapDocument&) = delete;

  const Map& GetMap() const { return *Edited; }
  const MapHistory& History() const { return *Steps; }

  // A step groups the edits up to EndStep, which undo takes back as one.
  // BeginStep continues a step that is open; the name is the first one's.
  void BeginStep(const char* name);
  bool StepOpen() const;
  // Closes the open step; true when it changed the map and was kept.
  bool EndStep();
  // Edits recorded in the open step, or in a new one.
  MapEdit Edit() {
    ++Changes;
    return MapEdit(*Edited, *Steps);
  }
  // Grows with every way the map may have changed since (an edit handed
  // out, undo, redo, a load): what is worked out from the map is worked out
  // again only when it differs.
  uint64_t Revision() const { return Changes; }

  bool Undo();
  bool Redo();

  // A size typed into its edit: the map's size without the resize rules,
  // one step for the keystrokes of one typed size.
  void TypeSize(int width, int height);
  // The custom text lines as the memo holds them (an empty last line does
  // not count). Not a step, but the saved position remembers them.
  void SetCustomTexts(std::vector<std::string> lines);

  // New: an empty map of the same size and background, and a new history.
  void New();
  // Open and the recovery: this map in place of the edited one, and a new
  // history.
  void Replace(const Map& map);
  // Forgets every step and the saved position.
  void StartHistory();

  bool Saved() const;
  // A change of the map the user made, or one the program made for them;
  // called once the step it belongs to is open.
  void MarkChanged();
  void MarkSaved();
  // Saved again when the map is back at the saved position (a placement
  // ended without a change).
  void MarkSavedIfUnchanged();

  // The level file's name as the user gave it.
  const std::string& FileName() const { return Name; }
  void SetFileName(std::string name) { Name = std::move(name); }

 private:
  std::unique_ptr<Map> Edited;
  std::unique_ptr<MapHistory> Steps;
  std::string Name;
  uint64_t Changes = 0;
};

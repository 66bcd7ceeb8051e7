#pragma once

#include <string>
#include <vector>

#include "levelfile/level_writer.h"

class MapDocument;

// What opening a level file gave.
struct OpenedLevel {
  // False when the file is no level; the document is then as it was.
  bool Read = false;
  // A line break inside a custom text line became a blank: the map differs
  // from its file.
  bool Mended = false;
  // Why the file is no level (read failed or bytes not a level), for a person.
  std::string Problem;
  std::vector<std::string> CustomTexts;
};

// Reads the level file at path (the system's name) into the document: its
// map in place of the edited one, with a new history. A line break inside a
// line would split it in the memo and renumber every later text.
OpenedLevel OpenLevelFile(MapDocument& document, const std::string& path);

// Writes the document's map with its first platformCount platforms (see
// MapToWrite) to path; the map is saved once the file is.
WriteOutcome SaveLevelFile(MapDocument& document, const std::string& path, int platformCount);

#include "editing/level_files.h"

#include <memory>
#include <optional>
#include <utility>

#include "editing/map_document.h"
#include "editing/write_check.h"
#include "levelfile/level_reader.h"
#include "model/map.h"

namespace {

// Every CR and LF inside the lines becomes a blank; true when any did.
bool ReplaceLineBreaks(std::vector<std::string>& lines) {
  bool replaced = false;
  for (std::string& line : lines) {
    for (char& c : line) {
      if (c == '\r' || c == '\n') {
        c = ' ';
        replaced = true;
      }
    }
  }
  return replaced;
}

}  // namespace

OpenedLevel OpenLevelFile(MapDocument& document, const std::string& path) {
  OpenedLevel opened;
  std::optional<LevelRecord> record = ReadLevelRecord(path, &opened.Problem);
  if (!record) return opened;
  opened.Read = true;
  opened.Mended = ReplaceLineBreaks(record->CustomTexts);
  // The slots past the file's lists keep what they held, as a load into the
  // edited map leaves them.
  auto loaded = std::make_unique<Map>(document.GetMap());
  StoreLevel(*record, *loaded);
  document.Replace(*loaded);
  opened.CustomTexts = std::move(record->CustomTexts);
  return opened;
}

WriteOutcome SaveLevelFile(MapDocument& document, const std::string& path, int platformCount) {
  const WriteOutcome outcome =
      WriteLevelFile(MapToWrite(document.GetMap(), platformCount).Get(), path);
  if (outcome.Ok) document.MarkSaved();
  return outcome;
}

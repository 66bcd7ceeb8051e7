#include "editing/map_history.h"

#include <algorithm>
#include <utility>

#include "model/map.h"

namespace {

// A cell by its storage index, holding the content the map does not hold:
// the content before the step while it is done, after it while it is undone.
// Undo and redo both swap it with the map's cell.
struct CellEntry {
  uint16_t Index = 0;
  MapCell Other;
};

static_assert(sizeof(CellEntry) == 8, "a recorded cell takes eight bytes");

// A spring slot's points in use, kind and count; swapped like a cell.
struct SpringEntry {
  int32_t Slot = 0;
  int32_t Kind = 0;
  std::vector<SpringPoint> Points;
};

struct PlatformEntry {
  int32_t Slot = 0;
  Platform Other;
};

// The cells a flood fill changed on one layer, marked by storage index.
struct FillRecord {
  int Layer = 0;
  uint8_t OldValue = 0;
  uint8_t NewValue = 0;
  std::vector<bool> Marks;
};

int StorageIndex(int x, int y) {
  return (x - 1) * GridSize + (y - 1);
}

SpringEntry SpringOf(const Spring& spring, int slot) {
  const int count = std::clamp(spring.PointCount, 0, SpringPointCapacity);
  return SpringEntry{slot, spring.Kind, {spring.Points.begin(), spring.Points.begin() + count}};
}

bool SameSpring(const SpringEntry& entry, const Spring& spring) {
  return entry.Kind == spring.Kind && static_cast<int>(entry.Points.size()) == spring.PointCount &&
         std::equal(entry.Points.begin(), entry.Points.end(), spring.Points.begin());
}

void Swap(SpringEntry& entry, Spring& spring) {
  SpringEntry held = SpringOf(spring, entry.Slot);
  spring.Kind = entry.Kind;
  spring.PointCount = static_cast<int32_t>(entry.Points.size());
  std::copy(entry.Points.begin(), entry.Points.end(), spring.Points.begin());
  entry = std::move(held);
}

}  // namespace

// One step, and while it is open what it watches.
struct MapStep {
  std::string Name;
  MapScalars Before;
  MapScalars After;
  std::vector<CellEntry> Cells;
  std::vector<SpringEntry> Springs;
  std::vector<PlatformEntry> Platforms;
  std::unique_ptr<FillRecord> Fill;
  // A size typed into its edit, which the next typed size joins.
  bool TypedSize = false;

  // While the step is open: the cells kept, by storage index, and the
  // slots in use when first watched.
  std::vector<bool> CellsKept;
  bool SpringsWatched = false;
  bool PlatformsWatched = false;
  std::vector<SpringEntry> SpringsBefore;
  std::vector<Platform> PlatformsBefore;

  bool Empty() const {
    return Cells.empty() && Springs.empty() && Platforms.empty() && !Fill && Before == After;
  }

  std::size_t Bytes() const {
    std::size_t bytes = sizeof(MapStep) + Cells.capacity() * sizeof(CellEntry) +
                        Platforms.capacity() * sizeof(PlatformEntry);
    for (const SpringEntry& entry : Springs)
      bytes += sizeof(SpringEntry) + entry.Points.capacity() * sizeof(SpringPoint);
    if (Fill) bytes += sizeof(FillRecord) + Fill->Marks.capacity() / 8;
    return bytes;
  }

  // Keeps only the cells that changed, in storage order.
  void CloseCells(const Map& map) {
    const auto byIndex = [](const CellEntry& a, const CellEntry& b) { return a.Index < b.Index; };
    if (!std::is_sorted(Cells.begin(), Cells.end(), byIndex))
      std::stable_sort(Cells.begin(), Cells.end(), byIndex);
    CellsKept = {};
    Cells.erase(std::remove_if(Cells.begin(), Cells.end(),
                               [&map](const CellEntry& entry) {
                                 return map.Cells[entry.Index] == entry.Other;
                               }),
                Cells.end());
    Cells.shrink_to_fit();
  }

  // A slot that was in use is kept when its content differs, and also when
  // it goes out of use: a later step may take it into use again and write
  // over it without keeping its old content, which undoing this step must
  // give back. Slots taken into use need nothing, since the count restores
  // them.
  void CloseLists(const Map& map) {
    for (SpringEntry& before : SpringsBefore)
      if (before.Slot >= map.SpringCount || !SameSpring(before, map.Springs[before.Slot]))
        Springs.push_back(std::move(before));
    for (int slot = 0; slot < static_cast<int>(PlatformsBefore.size()); ++slot)
      if (slot >= map.PlatformCount || !(PlatformsBefore[slot] == map.Platforms[slot]))
        Platforms.push_back(PlatformEntry{slot, PlatformsBefore[slot]});
    SpringsBefore = {};
    PlatformsBefore = {};
    Springs.shrink_to_fit();
    Platforms.shrink_to_fit();
  }

  // Undoes (undo) or redoes the step on a map that is as the step left it
  // (or as it found it).
  void Apply(Map& map, bool undo) {
    for (CellEntry& entry : Cells) std::swap(map.Cells[entry.Index], entry.Other);
    if (Fill) {
      const uint8_t value = undo ? Fill->OldValue : Fill->NewValue;
      for (std::size_t i = 0; i < Fill->Marks.size(); ++i)
        if (Fill->Marks[i]) map.Cells[i].LayerByte(Fill->Layer) = value;
    }
    for (SpringEntry& entry : Springs) Swap(entry, map.Springs[entry.Slot]);
    for (PlatformEntry& entry : Platforms) std::swap(map.Platforms[entry.Slot], entry.Other);
    (undo ? Before : After).StoreIn(map);
  }
};

MapScalars MapScalars::Of(const Map& map) {
  return MapScalars{map.Width,        map.Height,      map.Background,   map.PrimaryCharX,
                    map.PrimaryCharY, map.SpringCount, map.PlatformCount};
}

void MapScalars::StoreIn(Map& map) const {
  map.Width = Width;
  map.Height = Height;
  map.Background = Background;
  map.PrimaryCharX = PrimaryCharX;
  map.PrimaryCharY = PrimaryCharY;
  map.SpringCount = SpringCount;
  map.PlatformCount = PlatformCount;
}

bool operator==(const MapScalars& a, const MapScalars& b) {
  return a.Width == b.Width && a.Height == b.Height && a.Background == b.Background &&
         a.PrimaryCharX == b.PrimaryCharX && a.PrimaryCharY == b.PrimaryCharY &&
         a.SpringCount == b.SpringCount && a.PlatformCount == b.PlatformCount;
}

MapHistory::MapHistory(std::size_t byteLimit) : ByteLimit(byteLimit) {}

MapHistory::~MapHistory() = default;

void MapHistory::BeginStep(const Map& map, const char* name) {
  NoteIfSaved(map);
  if (Open) return;
  Open = std::make_unique<MapStep>();
  Open->Name = name;
  Open->Before = MapScalars::Of(map);
}

void MapHistory::Watch(const Map& map) {
  if (!Open) BeginStep(map, "");
}

bool MapHistory::EndStep(const Map& map) {
  if (!Open) return false;
  std::unique_ptr<MapStep> step = std::move(Open);
  step->After = MapScalars::Of(map);
  step->CloseCells(map);
  step->CloseLists(map);
  if (step->Empty()) return false;
  Push(std::move(step));
  return true;
}

void MapHistory::WatchCell(const Map& map, int x, int y) {
  if (!Map::InStorage(x, y)) return;
  if (Open && Open->Fill) EndStep(map);
  Watch(map);
  const int index = StorageIndex(x, y);
  std::vector<bool>& kept = Open->CellsKept;
  if (kept.empty()) kept.resize(GridSize * GridSize);
  if (kept[index]) return;
  kept[index] = true;
  Open->Cells.push_back(CellEntry{static_cast<uint16_t>(index), map.Cells[index]});
}

void MapHistory::WatchSprings(const Map& map) {
  if (Open && Open->Fill) EndStep(map);
  Watch(map);
  if (Open->SpringsWatched) return;
  Open->SpringsWatched = true;
  for (int slot = 0; slot < std::clamp(map.SpringCount, 0, SpringCapacity); ++slot)
    Open->SpringsBefore.push_back(SpringOf(map.Springs[slot], slot));
}

void MapHistory::WatchPlatforms(const Map& map) {
  if (Open && Open->Fill) EndStep(map);
  Watch(map);
  if (Open->PlatformsWatched) return;
  Open->PlatformsWatched = true;
  const int count = std::clamp(map.PlatformCount, 0, PlatformCapacity);
  Open->PlatformsBefore.assign(map.Platforms.begin(), map.Platforms.begin() + count);
}

// The keystrokes of one typed size ("2", then "25") make one step: a typed
// size joins the newest step when that is a typed size too.
void MapHistory::TypeSize(Map& map, int width, int height) {
  EndStep(map);
  NoteIfSaved(map);
  const bool joins = Position > 0 && Position == Steps.size() && Steps.back()->TypedSize;
  if (!joins) BeginStep(map, "Typed size");
  map.Width = width;
  map.Height = height;
  if (!joins) {
    Open->TypedSize = true;
    EndStep(map);
    return;
  }
  MapStep& last = *Steps.back();
  last.After = MapScalars::Of(map);
  if (!(last.Before == last.After)) return;
  StepBytes -= last.Bytes();
  Steps.pop_back();
  --Position;
  if (SavedKnown && SavedPosition > Position) SavedKnown = false;
}

const std::vector<bool>& MapHistory::WatchFill(const Map& map, int layer, uint8_t oldValue,
                                               uint8_t newValue, std::vector<bool> marks) {
  std::string name = Open ? Open->Name : std::string();
  EndStep(map);
  BeginStep(map, name.c_str());
  Open->Fill = std::make_unique<FillRecord>();
  Open->Fill->Layer = layer;
  Open->Fill->OldValue = oldValue;
  Open->Fill->NewValue = newValue;
  Open->Fill->Marks = std::move(marks);
  return Open->Fill->Marks;
}

bool MapHistory::Undo(Map& map) {
  NoteIfSaved(map);
  EndStep(map);
  if (!CanUndo()) return false;
  --Position;
  Steps[Position]->Apply(map, true);
  return true;
}

bool MapHistory::Redo(Map& map) {
  NoteIfSaved(map);
  EndStep(map);
  if (!CanRedo()) return false;
  Steps[Position]->Apply(map, false);
  ++Position;
  return true;
}

void MapHistory::NoteChange(const Map& map) {
  NoteIfSaved(map);
}

std::string MapHistory::UndoName() const {
  return CanUndo() ? Steps[Position - 1]->Name : std::string();
}

std::string MapHistory::RedoName() const {
  return CanRedo() ? Steps[Position]->Name : std::string();
}

bool MapHistory::AtSavedState(const Map& map) const {
  return SavedKnown && !Open && SavedPosition == Position && map.CustomTexts == SavedTexts;
}

void MapHistory::Clear() {
  Steps.clear();
  Position = 0;
  StepBytes = 0;
  Open.reset();
  SavedKnown = false;
  SavedTexts.clear();
}

// A map marked Saved between steps is at the saved position. Saved in the
// middle of a step, it is at no position the history can return to.
void MapHistory::NoteIfSaved(const Map& map) {
  if (!map.Saved) return;
  if (Open)
    SavedKnown = false;
  else
    NoteSaved(map);
}

void MapHistory::NoteSaved(const Map& map) {
  if (SavedKnown && SavedPosition == Position && SavedTexts == map.CustomTexts) return;
  SavedKnown = true;
  SavedPosition = Position;
  SavedTexts = map.CustomTexts;
}

void MapHistory::Push(std::unique_ptr<MapStep> step) {
  while (Steps.size() > Position) {
    StepBytes -= Steps.back()->Bytes();
    Steps.pop_back();
  }
  if (SavedKnown && SavedPosition > Position) SavedKnown = false;
  StepBytes += step->Bytes();
  Steps.push_back(std::move(step));
  ++Position;
  while (StepBytes > ByteLimit && Steps.size() > 1) {
    StepBytes -= Steps.front()->Bytes();
    Steps.pop_front();
    --Position;
    if (SavedKnown && SavedPosition == 0) SavedKnown = false;
    if (SavedKnown) --SavedPosition;
  }
}

#include "levelfile/level_diff.h"

#include <algorithm>
#include <deque>
#include <map>
#include <utility>

#include "levelfile/level_text.h"

using nlohmann::ordered_json;

namespace {

// Areas listed by name in the text before the rest are only counted.
constexpr size_t MaxAreasInText = 20;

struct Extent {
  int Width = 0;
  int Height = 0;
  size_t Index(int x, int y) const { return static_cast<size_t>(x - 1) * Height + (y - 1); }
  bool Holds(int x, int y) const { return x >= 1 && y >= 1 && x <= Width && y <= Height; }
};

Extent Larger(const LevelRecord& a, const LevelRecord& b) {
  return {std::max(a.Width, b.Width), std::max(a.Height, b.Height)};
}

std::string Offset(int dx, int dy) {
  const auto signed_ = [](int d) { return (d >= 0 ? "+" : "") + std::to_string(d); };
  return signed_(dx) + "," + signed_(dy);
}

// The groups of set cells that touch, also at a corner, as boxes.
std::vector<CellBox> Areas(const std::vector<bool>& changed, const Extent& extent) {
  std::vector<CellBox> areas;
  std::vector<bool> seen(changed.size());
  std::deque<std::pair<int, int>> queue;
  for (int x = 1; x <= extent.Width; ++x) {
    for (int y = 1; y <= extent.Height; ++y) {
      if (!changed[extent.Index(x, y)] || seen[extent.Index(x, y)]) continue;
      CellBox box{x, y, x, y};
      seen[extent.Index(x, y)] = true;
      queue.emplace_back(x, y);
      while (!queue.empty()) {
        const auto [cx, cy] = queue.front();
        queue.pop_front();
        box = {std::min(box.Left, cx), std::min(box.Bottom, cy), std::max(box.Right, cx),
               std::max(box.Top, cy)};
        for (int dx = -1; dx <= 1; ++dx) {
          for (int dy = -1; dy <= 1; ++dy) {
            const int nx = cx + dx;
            const int ny = cy + dy;
            if (!extent.Holds(nx, ny) || !changed[extent.Index(nx, ny)] ||
                seen[extent.Index(nx, ny)])
              continue;
            seen[extent.Index(nx, ny)] = true;
            queue.emplace_back(nx, ny);
          }
        }
      }
      areas.push_back(box);
    }
  }
  return areas;
}

LayerChange DiffLayer(const LevelRecord& a, const LevelRecord& b, int layer) {
  const Extent extent = Larger(a, b);
  std::vector<bool> changed(static_cast<size_t>(extent.Width) * extent.Height);
  LayerChange change;
  for (int x = 1; x <= extent.Width; ++x) {
    for (int y = 1; y <= extent.Height; ++y) {
      if (RecordTile(a, layer, x, y) == RecordTile(b, layer, x, y)) continue;
      changed[extent.Index(x, y)] = true;
      ++change.Cells;
    }
  }
  if (change.Cells > 0) change.Areas = Areas(changed, extent);
  return change;
}

// Entries by cell, column by column; a later entry at the same cell wins.
std::map<std::pair<int, int>, int> ByCell(const std::vector<LevelEntry>& entries) {
  std::map<std::pair<int, int>, int> cells;
  for (const LevelEntry& entry : entries) cells[{entry.X, entry.Y}] = entry.Value;
  return cells;
}

std::vector<EntryChange> DiffEntries(const std::vector<LevelEntry>& a,
                                     const std::vector<LevelEntry>& b) {
  std::map<std::pair<int, int>, std::pair<int, int>> both;
  for (const auto& [cell, value] : ByCell(a)) both[cell].first = value;
  for (const auto& [cell, value] : ByCell(b)) both[cell].second = value;
  std::vector<EntryChange> changes;
  for (const auto& [cell, values] : both) {
    if (values.first != values.second)
      changes.push_back({cell.first, cell.second, values.first, values.second});
  }
  return changes;
}

bool operator==(const LevelSpring& a, const LevelSpring& b) {
  return a.Kind == b.Kind && a.Points == b.Points;
}

int KindOf(const LevelSpring& spring) {
  return spring.Kind;
}
int KindOf(const Platform& platform) {
  return platform.Kind;
}

// The shift that makes a into b, when b is a moved elsewhere.
std::optional<std::pair<int, int>> Shift(const LevelSpring& a, const LevelSpring& b) {
  if (a.Kind != b.Kind || a.Points.size() != b.Points.size() || a.Points.empty())
    return std::nullopt;
  const int dx = b.Points[0].X - a.Points[0].X;
  const int dy = b.Points[0].Y - a.Points[0].Y;
  for (size_t i = 0; i < a.Points.size(); ++i) {
    const SpringPoint& p = a.Points[i];
    const SpringPoint& q = b.Points[i];
    if (q.X - p.X != dx || q.Y - p.Y != dy || p.Corner != q.Corner) return std::nullopt;
  }
  return std::pair{dx, dy};
}

std::optional<std::pair<int, int>> Shift(const Platform& a, const Platform& b) {
  const int dx = b.StartX - a.StartX;
  const int dy = b.StartY - a.StartY;
  const bool same =
      a.Kind == b.Kind && a.Speed == b.Speed && a.SwitchType == b.SwitchType &&
      b.EndX - a.EndX == dx && b.EndY - a.EndY == dy &&
      (!HasSwitch(a.SwitchType) || (b.SwitchX - a.SwitchX == dx && b.SwitchY - a.SwitchY == dy));
  return same ? std::optional(std::pair{dx, dy}) : std::nullopt;
}

bool SameAnchor(const LevelSpring& a, const LevelSpring& b) {
  return !a.Points.empty() && !b.Points.empty() && a.Points[0].X == b.Points[0].X &&
         a.Points[0].Y == b.Points[0].Y;
}

bool SameAnchor(const Platform& a, const Platform& b) {
  return a.StartX == b.StartX && a.StartY == b.StartY;
}

template <typename Item>
std::vector<ItemChange<Item>> MatchItems(const std::vector<Item>& olds,
                                         const std::vector<Item>& news) {
  std::vector<bool> oldUsed(olds.size());
  std::vector<bool> newUsed(news.size());
  // Equal items first, whatever their slots.
  for (size_t i = 0; i < olds.size(); ++i) {
    for (size_t j = 0; j < news.size(); ++j) {
      if (newUsed[j] || !(olds[i] == news[j])) continue;
      oldUsed[i] = newUsed[j] = true;
      break;
    }
  }
  std::vector<ItemChange<Item>> changes;
  const auto pair = [&](size_t i, auto fits, ItemChangeKind kind) {
    for (size_t j = 0; j < news.size(); ++j) {
      if (newUsed[j] || KindOf(olds[i]) != KindOf(news[j]) || !fits(olds[i], news[j])) continue;
      oldUsed[i] = newUsed[j] = true;
      changes.push_back({kind, olds[i], news[j]});
      return;
    }
  };
  for (size_t i = 0; i < olds.size(); ++i) {
    if (!oldUsed[i])
      pair(
          i, [](const Item& a, const Item& b) { return Shift(a, b).has_value(); },
          ItemChangeKind::Moved);
  }
  for (size_t i = 0; i < olds.size(); ++i) {
    if (!oldUsed[i])
      pair(
          i, [](const Item& a, const Item& b) { return SameAnchor(a, b); },
          ItemChangeKind::Changed);
  }
  for (size_t i = 0; i < olds.size(); ++i)
    if (!oldUsed[i]) changes.push_back({ItemChangeKind::Removed, olds[i], std::nullopt});
  for (size_t j = 0; j < news.size(); ++j)
    if (!newUsed[j]) changes.push_back({ItemChangeKind::Added, std::nullopt, news[j]});
  return changes;
}

std::vector<TextLineChange> DiffTexts(const std::vector<std::string>& a,
                                      const std::vector<std::string>& b) {
  std::vector<TextLineChange> changes;
  for (size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    TextLineChange change;
    change.Line = static_cast<int>(i + 1);
    if (i < a.size()) change.Old = a[i];
    if (i < b.size()) change.New = b[i];
    if (change.Old != change.New) changes.push_back(change);
  }
  return changes;
}

std::optional<std::array<int, 2>> Primary(const LevelRecord& record) {
  if (record.Chars.empty()) return std::nullopt;
  return std::array<int, 2>{record.Chars[0].X, record.Chars[0].Y};
}

std::string PrimaryText(const std::optional<std::array<int, 2>>& primary) {
  return primary ? CellText((*primary)[0], (*primary)[1]) : "none";
}

std::string BackgroundText(int background) {
  const std::string name = BackgroundName(background);
  return std::to_string(background) + (name.empty() ? "" : " (" + name + ")");
}

std::string BoxText(const CellBox& box) {
  if (box.Left == box.Right && box.Bottom == box.Top) return CellText(box.Left, box.Bottom);
  return CellText(box.Left, box.Bottom) + " to " + CellText(box.Right, box.Top);
}

void EntryLines(std::string& text, const char* what, const char* value,
                const std::vector<EntryChange>& changes) {
  for (const EntryChange& change : changes) {
    const std::string at = std::string(what) + " ";
    if (change.Old == 0) {
      text += at + "added at " + CellText(change.X, change.Y) + ": " + value + " " +
              std::to_string(change.New) + "\n";
    } else if (change.New == 0) {
      text += at + "removed at " + CellText(change.X, change.Y) + ": " + value + " " +
              std::to_string(change.Old) + "\n";
    } else {
      text += at + "at " + CellText(change.X, change.Y) + ": " + value + " " +
              std::to_string(change.Old) + " -> " + std::to_string(change.New) + "\n";
    }
  }
}

std::string ItemText(const LevelSpring& spring) {
  return "kind " + std::to_string(spring.Kind) + ": " + SpringText(spring);
}
std::string ItemText(const Platform& platform) {
  return PlatformText(platform);
}

template <typename Item>
void ItemLines(std::string& text, const char* what, const std::vector<ItemChange<Item>>& changes) {
  for (const ItemChange<Item>& change : changes) {
    const std::string at = std::string(what) + " ";
    switch (change.Kind) {
      case ItemChangeKind::Added:
        text += at + "added: " + ItemText(*change.New) + "\n";
        break;
      case ItemChangeKind::Removed:
        text += at + "removed: " + ItemText(*change.Old) + "\n";
        break;
      case ItemChangeKind::Moved: {
        const auto [dx, dy] = *Shift(*change.Old, *change.New);
        text += at + "moved by " + Offset(dx, dy) + ": " + ItemText(*change.Old) + "\n";
        break;
      }
      case ItemChangeKind::Changed:
        text += at + "changed: " + ItemText(*change.Old) + " -> " + ItemText(*change.New) + "\n";
        break;
    }
  }
}

ordered_json EntriesJson(const std::vector<EntryChange>& changes) {
  ordered_json list = ordered_json::array();
  for (const EntryChange& change : changes)
    list.push_back({{"at", {change.X, change.Y}}, {"old", change.Old}, {"new", change.New}});
  return list;
}

ordered_json ItemJson(const LevelSpring& spring) {
  ordered_json points = ordered_json::array();
  for (const SpringPoint& point : spring.Points) points.push_back({point.X, point.Y, point.Corner});
  return {{"kind", spring.Kind}, {"points", points}};
}

ordered_json ItemJson(const Platform& platform) {
  ordered_json item = {{"kind", platform.Kind},
                       {"speed", platform.Speed},
                       {"switchType", platform.SwitchType},
                       {"start", {platform.StartX, platform.StartY}},
                       {"end", {platform.EndX, platform.EndY}}};
  if (HasSwitch(platform.SwitchType)) item["switch"] = {platform.SwitchX, platform.SwitchY};
  return item;
}

template <typename Item>
ordered_json ItemsJson(const std::vector<ItemChange<Item>>& changes) {
  constexpr const char* kinds[] = {"added", "removed", "moved", "changed"};
  ordered_json list = ordered_json::array();
  for (const ItemChange<Item>& change : changes) {
    ordered_json item = {{"change", kinds[static_cast<int>(change.Kind)]}};
    if (change.Old) item["old"] = ItemJson(*change.Old);
    if (change.New) item["new"] = ItemJson(*change.New);
    list.push_back(item);
  }
  return list;
}

ordered_json PrimaryJson(const std::optional<std::array<int, 2>>& primary) {
  return primary ? ordered_json(*primary) : ordered_json(nullptr);
}

void Mark(std::vector<bool>& cells, const Extent& extent, int x, int y) {
  if (extent.Holds(x, y)) cells[extent.Index(x, y)] = true;
}

void MarkItem(std::vector<bool>& cells, const Extent& extent, const LevelSpring& spring) {
  for (const SpringPoint& point : spring.Points) Mark(cells, extent, point.X, point.Y);
}

void MarkItem(std::vector<bool>& cells, const Extent& extent, const Platform& platform) {
  Mark(cells, extent, platform.StartX, platform.StartY);
  Mark(cells, extent, platform.EndX, platform.EndY);
  if (HasSwitch(platform.SwitchType)) Mark(cells, extent, platform.SwitchX, platform.SwitchY);
}

template <typename Item>
void MarkItems(std::vector<bool>& cells, const Extent& extent,
               const std::vector<ItemChange<Item>>& changes) {
  for (const ItemChange<Item>& change : changes) {
    if (change.Old) MarkItem(cells, extent, *change.Old);
    if (change.New) MarkItem(cells, extent, *change.New);
  }
}

}  // namespace

bool LevelDiff::Same() const {
  const bool layersSame = std::all_of(Layers.begin(), Layers.end(),
                                      [](const LayerChange& layer) { return layer.Cells == 0; });
  return OldWidth == NewWidth && OldHeight == NewHeight && OldBackground == NewBackground &&
         OldPrimary == NewPrimary && layersSame && Chars.empty() && Objects.empty() &&
         TextMarkers.empty() && Springs.empty() && Platforms.empty() && CustomTexts.empty();
}

LevelDiff DiffLevels(const LevelRecord& oldLevel, const LevelRecord& newLevel) {
  LevelDiff diff;
  diff.OldWidth = oldLevel.Width;
  diff.OldHeight = oldLevel.Height;
  diff.NewWidth = newLevel.Width;
  diff.NewHeight = newLevel.Height;
  diff.OldBackground = oldLevel.Background;
  diff.NewBackground = newLevel.Background;
  diff.OldPrimary = Primary(oldLevel);
  diff.NewPrimary = Primary(newLevel);
  for (int layer = 0; layer < 3; ++layer) diff.Layers[layer] = DiffLayer(oldLevel, newLevel, layer);
  diff.Chars = DiffEntries(oldLevel.Chars, newLevel.Chars);
  diff.Objects = DiffEntries(oldLevel.Objects, newLevel.Objects);
  diff.TextMarkers = DiffEntries(oldLevel.TextMarkers, newLevel.TextMarkers);
  diff.Springs = MatchItems(oldLevel.Springs, newLevel.Springs);
  diff.Platforms = MatchItems(oldLevel.Platforms, newLevel.Platforms);
  diff.CustomTexts = DiffTexts(oldLevel.CustomTexts, newLevel.CustomTexts);
  return diff;
}

std::string DiffText(const LevelDiff& diff) {
  std::string text;
  if (diff.OldWidth != diff.NewWidth || diff.OldHeight != diff.NewHeight)
    text += "size " + std::to_string(diff.OldWidth) + " x " + std::to_string(diff.OldHeight) +
            " -> " + std::to_string(diff.NewWidth) + " x " + std::to_string(diff.NewHeight) + "\n";
  if (diff.OldBackground != diff.NewBackground)
    text += "background " + BackgroundText(diff.OldBackground) + " -> " +
            BackgroundText(diff.NewBackground) + "\n";
  if (diff.OldPrimary != diff.NewPrimary)
    text +=
        "primary " + PrimaryText(diff.OldPrimary) + " -> " + PrimaryText(diff.NewPrimary) + "\n";
  for (int layer = 0; layer < 3; ++layer) {
    const LayerChange& change = diff.Layers[layer];
    if (change.Cells == 0) continue;
    text += std::string(TileLayerNames[layer]) + ": " + std::to_string(change.Cells) +
            (change.Cells == 1 ? " cell" : " cells") + " changed in ";
    for (size_t i = 0; i < change.Areas.size() && i < MaxAreasInText; ++i)
      text += (i > 0 ? "; " : "") + BoxText(change.Areas[i]);
    if (change.Areas.size() > MaxAreasInText)
      text += "; and " + std::to_string(change.Areas.size() - MaxAreasInText) + " more areas";
    text += "\n";
  }
  EntryLines(text, "char", "kind", diff.Chars);
  EntryLines(text, "object", "kind", diff.Objects);
  EntryLines(text, "text marker", "line", diff.TextMarkers);
  ItemLines(text, "spring", diff.Springs);
  ItemLines(text, "platform", diff.Platforms);
  for (const TextLineChange& change : diff.CustomTexts) {
    const std::string at = "custom text " + std::to_string(change.Line) + " ";
    if (!change.Old) {
      text += at + "added: " + QuotedText(*change.New) + "\n";
    } else if (!change.New) {
      text += at + "removed: " + QuotedText(*change.Old) + "\n";
    } else {
      text += at + "changed: " + QuotedText(*change.Old) + " -> " + QuotedText(*change.New) + "\n";
    }
  }
  return text;
}

ordered_json DiffJson(const LevelDiff& diff) {
  ordered_json json;
  json["same"] = diff.Same();
  json["size"] = {{"old", {diff.OldWidth, diff.OldHeight}},
                  {"new", {diff.NewWidth, diff.NewHeight}}};
  json["background"] = {{"old", diff.OldBackground}, {"new", diff.NewBackground}};
  json["primary"] = {{"old", PrimaryJson(diff.OldPrimary)}, {"new", PrimaryJson(diff.NewPrimary)}};
  ordered_json layers;
  for (int layer = 0; layer < 3; ++layer) {
    ordered_json areas = ordered_json::array();
    for (const CellBox& box : diff.Layers[layer].Areas)
      areas.push_back({box.Left, box.Bottom, box.Right, box.Top});
    layers[TileLayerNames[layer]] = {{"cells", diff.Layers[layer].Cells}, {"areas", areas}};
  }
  json["layers"] = layers;
  json["chars"] = EntriesJson(diff.Chars);
  json["objects"] = EntriesJson(diff.Objects);
  json["textMarkers"] = EntriesJson(diff.TextMarkers);
  json["springs"] = ItemsJson(diff.Springs);
  json["platforms"] = ItemsJson(diff.Platforms);
  ordered_json texts = ordered_json::array();
  for (const TextLineChange& change : diff.CustomTexts) {
    const auto side = [](const std::optional<std::string>& line) {
      return line ? ordered_json(QuotedText(*line)) : ordered_json(nullptr);
    };
    texts.push_back({{"line", change.Line}, {"old", side(change.Old)}, {"new", side(change.New)}});
  }
  json["customTexts"] = texts;
  return json;
}

std::vector<bool> DifferingCells(const LevelRecord& oldLevel, const LevelRecord& newLevel,
                                 const LevelDiff& diff) {
  const Extent extent = Larger(oldLevel, newLevel);
  std::vector<bool> cells(static_cast<size_t>(extent.Width) * extent.Height);
  for (int x = 1; x <= extent.Width; ++x) {
    for (int y = 1; y <= extent.Height; ++y) {
      for (int layer = 0; layer < 3; ++layer) {
        if (RecordTile(oldLevel, layer, x, y) != RecordTile(newLevel, layer, x, y))
          Mark(cells, extent, x, y);
      }
    }
  }
  for (const auto* entries : {&diff.Chars, &diff.Objects, &diff.TextMarkers})
    for (const EntryChange& change : *entries) Mark(cells, extent, change.X, change.Y);
  MarkItems(cells, extent, diff.Springs);
  MarkItems(cells, extent, diff.Platforms);
  if (diff.OldPrimary != diff.NewPrimary) {
    for (const auto& primary : {diff.OldPrimary, diff.NewPrimary})
      if (primary) Mark(cells, extent, (*primary)[0], (*primary)[1]);
  }
  return cells;
}

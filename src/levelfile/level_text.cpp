#include "levelfile/level_text.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <vector>

#include "model/limits.h"

namespace {

void EntryLines(std::string& text, const char* what, const char* value,
                const std::vector<LevelEntry>& entries) {
  for (const LevelEntry& entry : entries)
    text += std::string(what) + " " + CellText(entry.X, entry.Y) + " " + value + " " +
            std::to_string(entry.Value) + "\n";
}

bool SpringBefore(const LevelSpring& a, const LevelSpring& b) {
  return SpringText(a) < SpringText(b) || (SpringText(a) == SpringText(b) && a.Kind < b.Kind);
}

bool PlatformBefore(const Platform& a, const Platform& b) {
  return std::tie(a.StartX, a.StartY, a.EndX, a.EndY, a.Kind, a.Speed, a.SwitchType, a.SwitchX,
                  a.SwitchY) < std::tie(b.StartX, b.StartY, b.EndX, b.EndY, b.Kind, b.Speed,
                                        b.SwitchType, b.SwitchX, b.SwitchY);
}

void LayerLines(std::string& text, const LevelRecord& record, int layer) {
  char number[16];
  for (int y = record.Height; y >= 1; --y) {
    std::snprintf(number, sizeof number, "%3d", y);
    text += std::string(TileLayerNames[layer]) + " " + number + ":";
    for (int x = 1; x <= record.Width; ++x) {
      std::snprintf(number, sizeof number, " %3d", RecordTile(record, layer, x, y));
      text += number;
    }
    text += "\n";
  }
}

}  // namespace

const char* const TileLayerNames[3] = {"bg", "mg", "fg"};

std::string CellText(int x, int y) {
  return std::to_string(x) + "," + std::to_string(y);
}

std::string BackgroundName(int background) {
  return background >= 0 && background < BackgroundCount ? BackgroundNames[background] : "";
}

int RecordTile(const LevelRecord& record, int layer, int x, int y) {
  if (x < 1 || y < 1 || x > record.Width || y > record.Height) return 0;
  const size_t index = (static_cast<size_t>(x - 1) * record.Height + (y - 1)) * 3 + layer;
  return index < record.Tiles.size() ? record.Tiles[index] : 0;
}

std::string QuotedText(const std::string& latin1) {
  std::string quoted = "\"";
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '"' || byte == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20 || byte == 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02x", byte);
      quoted += escape;
    } else if (byte < 0x80) {
      quoted += c;
    } else {
      quoted += static_cast<char>(0xc0 | (byte >> 6));
      quoted += static_cast<char>(0x80 | (byte & 0x3f));
    }
  }
  return quoted + "\"";
}

std::string SpringText(const LevelSpring& spring) {
  std::string text;
  for (const SpringPoint& point : spring.Points) {
    if (!text.empty()) text += "; ";
    text += CellText(point.X, point.Y) + " corner " + std::to_string(point.Corner);
  }
  return text;
}

std::string PlatformText(const Platform& platform) {
  std::string text =
      "kind " + std::to_string(platform.Kind) + " speed " + std::to_string(platform.Speed) +
      " switch type " + std::to_string(platform.SwitchType) + " start " +
      CellText(platform.StartX, platform.StartY) + " end " + CellText(platform.EndX, platform.EndY);
  if (HasSwitch(platform.SwitchType))
    text += " switch " + CellText(platform.SwitchX, platform.SwitchY);
  return text;
}

std::string LevelToText(const LevelRecord& record) {
  std::string text = "zubo level\n";
  text += "size " + std::to_string(record.Width) + " x " + std::to_string(record.Height) + "\n";
  const std::string name = BackgroundName(record.Background);
  text +=
      "background " + std::to_string(record.Background) + (name.empty() ? "" : " " + name) + "\n";
  text += "primary " +
          (record.Chars.empty() ? std::string("none")
                                : CellText(record.Chars[0].X, record.Chars[0].Y)) +
          "\n";
  EntryLines(text, "char", "kind", record.Chars);
  EntryLines(text, "object", "kind", record.Objects);
  EntryLines(text, "text", "line", record.TextMarkers);
  std::vector<LevelSpring> springs = record.Springs;
  std::stable_sort(springs.begin(), springs.end(), SpringBefore);
  for (const LevelSpring& spring : springs)
    text += "spring kind " + std::to_string(spring.Kind) + ": " + SpringText(spring) + "\n";
  std::vector<Platform> platforms = record.Platforms;
  std::stable_sort(platforms.begin(), platforms.end(), PlatformBefore);
  for (const Platform& platform : platforms) text += "platform " + PlatformText(platform) + "\n";
  for (size_t i = 0; i < record.CustomTexts.size(); ++i)
    text += "custom " + std::to_string(i + 1) + " " + QuotedText(record.CustomTexts[i]) + "\n";
  for (int layer = 0; layer < 3; ++layer) LayerLines(text, record, layer);
  return text;
}

#pragma once

#include <cstdint>

// The switch types of a platform, by the row of the properties dialog's list.
enum SwitchType : uint8_t {
  NoSwitch = 0,
  TurnForever = 1,
  TurnOneMove = 2,
  KeepForever = 3,
  KeepOneMove = 4,
  NoSwitchOneMove = 5,
};

constexpr int SwitchTypeCount = 6;

// The list texts of the switch types, indexed by SwitchType.
extern const char* const SwitchTypeTexts[SwitchTypeCount];

// Types 0 and 5 have no switch cell: it is neither asked for, validated nor stored.
bool HasSwitch(int switchType);

// A moving platform; every field is one byte, as in the level file.
struct Platform {
  uint8_t StartX = 0;
  uint8_t StartY = 0;
  uint8_t EndX = 0;
  uint8_t EndY = 0;
  uint8_t SwitchX = 0;
  uint8_t SwitchY = 0;
  uint8_t Speed = 0;
  uint8_t Kind = 0;
  uint8_t SwitchType = NoSwitch;
};

bool operator==(const Platform& a, const Platform& b);

constexpr int MinPlatformSpeed = 1;
constexpr int MaxPlatformSpeed = 10;
constexpr int DefaultPlatformSpeed = 5;

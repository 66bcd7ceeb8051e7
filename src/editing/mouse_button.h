#pragma once

// A button of the pointer, as the editing tools see it; None while no button
// is held.
enum class MouseButton {
  None,
  Left,
  Right,
  Middle,
};

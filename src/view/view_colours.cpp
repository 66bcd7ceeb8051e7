#include "view/view_colours.h"

#include <array>

QColor SpringColour(int kind) {
  static const std::array<QColor, 7> colours = {
      QColor(255, 0, 0),   QColor(255, 255, 255), QColor(255, 0, 0),   QColor(0, 255, 0),
      QColor(0, 255, 255), QColor(255, 0, 255),   QColor(255, 255, 0),
  };
  if (kind < 0 || kind >= static_cast<int>(colours.size())) return ViewColours::OtherSpring;
  return colours[static_cast<size_t>(kind)];
}

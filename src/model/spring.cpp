#include "model/spring.h"

bool operator==(const SpringPoint& a, const SpringPoint& b) {
  return a.X == b.X && a.Y == b.Y && a.Corner == b.Corner;
}

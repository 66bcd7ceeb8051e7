#include "model/object_sizes.h"

namespace {

constexpr ObjectSize Table[SizedObjectKinds] = {
    {1, 1}, {3, 1}, {3, 1}, {1, 3}, {2, 2}, {1, 1}, {1, 3}, {2, 1}, {4, 1}, {3, 1}, {1, 4}, {8, 1},
};

}  // namespace

ObjectSize ObjectSizes(int objectKind) {
  if (objectKind >= 1 && objectKind <= SizedObjectKinds) return Table[objectKind - 1];
  return {1, 1};
}

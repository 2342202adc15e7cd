#include "game/collisions.h"

namespace kelmora {

void ResolveCollisions() {}

}  // namespace kelmora

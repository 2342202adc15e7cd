// Hits of shots and missiles on ships, damage, kills, scores and the respawn of drones.
#pragma once

namespace kelmora {

void ResolveCollisions();

}  // namespace kelmora

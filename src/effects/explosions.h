// Explosions: particle clouds in a ring of ten. Each bursts out from a world point, its particles
// slowing down and glowing towards palette index 79, and is gone after 51 frames.
#pragma once

#include <cstdint>

namespace kelmora {

// Makes an explosion of explosionParticles particles at the world point (px, py) in the next ring
// slot, replacing whatever that slot held. Two draws per particle: direction, then speed. When
// memory for it cannot be had, std::bad_alloc leaves the ring and the generator untouched.
void SpawnExplosion(std::int32_t px, std::int32_t py);
// Moves, draws and ages every explosion in the ring (inside the pixel phase, paused or not).
// With jitter on, two draws per particle: x, then y. An explosion that has run its course frees
// its slot and sends the next explosion to slot 0.
void UpdateExplosions(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora

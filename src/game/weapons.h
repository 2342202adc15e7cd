// Shots and missiles: the two rings, spawning, motion, homing, drawing and expiry.
#pragma once

#include <cstdint>

#include "state/state.h"

namespace kelmora {

// A shot from the ship in `slot` into the next ring slot.
void SpawnShot(std::int32_t slot);
// A missile from the ship in `slot` into the next ring slot.
void SpawnMissile(std::int32_t slot);
// Moves, homes, draws and expires every missile (before the pixel layer is locked).
void UpdateMissiles();
// Draws, moves and expires every shot (inside the pixel phase).
void UpdateShots(std::uint8_t* surface, std::int32_t pitch);
// Turns a missile toward the nearest other ship.
void Retarget(Missile& missile);
// The ship that launched `missile`, or nullptr when that ship belonged to an earlier game.
Ship* MissileOwner(const Missile& missile);

}  // namespace kelmora

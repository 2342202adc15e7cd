// Exhaust trails behind ships and trails behind missiles: particle clouds that stream out behind
// their emitter and are re-emitted at it as they age.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "state/state.h"

namespace kelmora {

// `count` new exhaust trails of trailParticles particles each, not yet seeded. Nothing in the game
// changes: when memory cannot be had, std::bad_alloc leaves the running trails as they were.
std::vector<std::unique_ptr<TrailSystem>> MakeExhaustTrails(std::int32_t count);
// Puts `fresh` (from MakeExhaustTrails) in place of the exhaust trails and seeds trail i at the
// ship in slot i, then re-seeds the missile trails at the origin and marks them inactive. One
// draw per particle: every exhaust particle slot by slot, then every missile-trail particle.
void ResetTrails(std::vector<std::unique_ptr<TrailSystem>> fresh);
// Both of the above for shipCount trails.
void ResetTrails();
// Moves, re-emits and draws the trail of every alive ship (inside the pixel phase, paused or not).
void UpdateExhaustTrails(std::uint8_t* surface, std::int32_t pitch);
// Moves, re-emits and draws the trail of every active missile (likewise).
void UpdateMissileTrails(std::uint8_t* surface, std::int32_t pitch);

}  // namespace kelmora

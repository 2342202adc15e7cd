// What the player reads over the play: the label over each ship, the shield bar, the score and
// the missiles left.
#pragma once

#include <cstdint>

#include "state/state.h"

namespace kelmora {

// "score:name:shield" over the ship, kept on the screen toward a ship out of view.
void DrawShipLabel(const Ship& ship);
// Into the locked pixel layer: one line per shield point, red to green.
void DrawShieldBar(std::uint8_t* surface, std::int32_t pitch);
// The player's score in the large digits, top right.
void DrawScore();
// One icon per missile the player holds, under the score.
void DrawMissileIcons();

}  // namespace kelmora

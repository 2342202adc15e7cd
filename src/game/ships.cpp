#include "game/state.h"

namespace kelmora {

void PlayerShip::Update() {}
void DroneShip::Update() {}
void DroneShip::Evade() {}

}  // namespace kelmora

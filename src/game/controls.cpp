#include "game/controls.h"

namespace kelmora {

void ControlsStep() {}
void MotionStep() {}
void StepCamera(std::int16_t*, std::int16_t*) {}
void DrawShipLabel(const Ship&) {}
void DrawShieldBar(std::uint8_t*, std::int32_t) {}

}  // namespace kelmora

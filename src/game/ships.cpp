#include <cmath>
#include <cstdint>

#include "core/compass.h"
#include "game/steering.h"
#include "state/state.h"

namespace kelmora {

namespace {

// Straight-line distance from (x, y) to another ship, kept as a 32-bit float the way the pilot
// keeps it.
float DistanceTo(const Ship& other, std::int32_t x, std::int32_t y) {
  const double dx = static_cast<double>(other.x - x);
  const double dy = static_cast<double>(other.y - y);
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// The quotient dx / d whose arcsine steers, or false when it has none: the quotient lies outside
// -1..1, or d is 0 (any dx over 0 is outside, and 0 over 0 is no number at all).
bool ArcQuotient(std::int32_t dx, float d, double* quotient) {
  if (d == 0.0f) return false;
  *quotient = static_cast<double>(dx) / static_cast<double>(d);
  return !(std::isnan(*quotient) || *quotient > 1.0 || *quotient < -1.0);
}

std::uint8_t Flipped(std::uint8_t flag) {
  return flag == 0 ? 1 : 0;
}

// Turns toward the other ship, slowing down as it closes in, firing in bursts within 100. The
// distance is jittered by up to 50 either way.
void Pursue(Ship& drone, const Ship& other) {
  const std::int32_t dx = other.x - drone.x;
  const std::int32_t dy = other.y - drone.y;
  const float d = DistanceTo(other, drone.x, drone.y);
  const std::int32_t jitter = rng.Draw() % 100 - 50;
  const float dj = static_cast<float>(static_cast<double>(d) + jitter);
  // The angle is asin(dx / dj) + pi, negated when dy > 0, with another pi added when dy < 0.
  double quotient = 0.0;
  const bool haveAngle = ArcQuotient(dx, dj, &quotient);
  if (dj < 100.0f) drone.firing = Flipped(drone.firing);
  if (dj > 100.0f) drone.firing = 0;
  if (dj > 300.0f) drone.speed = 3;
  if (dj < 300.0f) drone.speed = 2;
  if (dj < 90.0f) drone.speed = 1;
  drone.heading = ArcSteeringHeading(haveAngle, dy < 0 ? ArcTurn::kHalfTwice : ArcTurn::kHalf,
                                     dy > 0, quotient);
}

constexpr std::int32_t kDroneRowTop = layout::ShipCell(layout::ShipRow::kDrone, 0).top;

// The cell of a ship's sprite in the sheet row starting at `top`: the headings lie side by side,
// one sheet column apart, and a heading between two whole ones starts the cell part of the way
// along, as the game works it out.
Rect ShipSpriteCell(float heading, std::int32_t top) {
  const double h = static_cast<double>(heading);
  return Rect{TruncToInt(layout::kShipPitch * h), top,
              TruncToInt(layout::kShipPitch * h + layout::kShipSize), top + layout::kShipSize};
}

}  // namespace

void PlayerShip::Update() {
  const std::int32_t row = firing != 0 ? layout::kShipPitch : 0;
  spriteRect = ShipSpriteCell(heading, row);
}

void DroneShip::Update() {
  // Step 1: now and then pick the nearest other slot as the target.
  if (rng.Draw() % 20 == 1) {
    const std::int32_t slots = ShipSlots();
    target = -1;
    float best = 65535.0f;
    for (std::int32_t i = 0; i < slots; ++i) {
      const Ship* other = ShipOrNull(i);
      if (other == nullptr) continue;
      const float d = DistanceTo(*other, x, y);
      if (d < best && i != index) {
        best = d;
        target = static_cast<std::int8_t>(i);
      }
    }
  }

  // Step 2: steer toward the target, or away from it when it is shooting close by (a coin
  // decides, drawn only then).
  if (rng.Draw() % 10 == 1) {
    const Ship* other = ShipOrNull(target);
    if (other == nullptr) {
      NormaliseHeading(heading);
    } else if (other->firing != 0 && DistanceTo(*other, x, y) < 200.0f && rng.Draw() % 2 == 1) {
      Evade();
    } else {
      Pursue(*this, *other);
    }
  }

  // Step 3: wander.
  if (rng.Draw() % 10 == 2) {
    if (rng.Draw() % 16 == 1) heading += 1.0f;
    if (rng.Draw() % 16 == 14) heading -= 1.0f;
    if (heading < 0.0f) heading = 15.0f;
    if (heading > 15.0f) heading = 0.0f;
  }

  // Step 4: move along the heading and choose the cell.
  const CompassDirection along = Compass(heading);
  const double step = 3.0 * speed;
  x = Wrap16(TruncToInt(x + step * along.sine));
  y = Wrap16(TruncToInt(y - step * along.cosine));
  spriteRowOffset = firing != 0 ? layout::kShipPitch : 0;
  spriteRect = ShipSpriteCell(heading, kDroneRowTop + spriteRowOffset);
}

void DroneShip::Evade() {
  const Ship* other = ShipOrNull(target);
  if (other == nullptr) {
    NormaliseHeading(heading);
    return;
  }
  const std::int32_t dx = other->x - x;
  const std::int32_t dy = other->y - y;
  const float d = DistanceTo(*other, x, y);
  // The angle is asin(dx / d), negated when dy > 0, with pi added when dy < 0.
  double quotient = 0.0;
  const bool haveAngle = ArcQuotient(dx, d, &quotient);
  if (d < 100.0f) firing = Flipped(firing);
  if (d > 100.0f) firing = 0;
  // Faster as the threat closes in.
  if (d > 300.0f) speed = 1;
  if (d < 300.0f) speed = 2;
  if (d < 90.0f) speed = 3;
  heading =
      ArcSteeringHeading(haveAngle, dy < 0 ? ArcTurn::kHalf : ArcTurn::kNone, dy > 0, quotient);
}

}  // namespace kelmora

#include "effects/stars.h"

#include <cmath>

#include "core/compass.h"
#include "display/pixels.h"
#include "state/state.h"

namespace kelmora {

namespace {

// A new speed 2..15 and the matching colour 28..15 (speed + colour = 30).
void NewSpeedAndColour(Star& star) {
  const std::int32_t k = rng.Draw() % 14;
  star.speed = k + 2;
  star.colour = 28 - k;
}

// Moves a star against the player's flight by (speed * thrust) / 2 pixels.
void MoveStar(Star& star) {
  const CompassDirection phi = Compass(star.heading);
  const std::int32_t m = (star.speed * star.thrust) / 2;
  star.x = static_cast<float>(star.x - m * phi.sine);
  star.y = static_cast<float>(star.y + m * phi.cosine);
}

// The tail starts every frame at the head, with the head's speed and colour.
void TailToHead(std::size_t i) {
  const Star& head = effectState.stars[i];
  Star& tail = effectState.starTails[i];
  tail.x = head.x;
  tail.y = head.y;
  tail.speed = head.speed;
  tail.colour = head.colour;
}

}  // namespace

void PlaceStars() {
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    Star& head = effectState.stars[i];
    head.x = static_cast<float>(rng.Draw() % 640);
    head.y = static_cast<float>(rng.Draw() % 480);
    NewSpeedAndColour(head);
    head.heading = 0.0f;
    TailToHead(i);
  }
}

void SetStarHeading(float heading) {
  for (Star& star : effectState.stars) star.heading = heading;
  for (Star& star : effectState.starTails) star.heading = heading;
}

void SetStarThrust(std::int32_t thrust) {
  for (Star& star : effectState.stars) star.thrust = thrust;
  for (Star& star : effectState.starTails) star.thrust = thrust;
}

void StepStars(std::uint8_t* surface, std::int32_t pitch) {
  for (std::size_t i = 0; i < effectState.stars.size(); ++i) {
    Star& head = effectState.stars[i];
    Star& tail = effectState.starTails[i];

    if (controls.paused == 0) MoveStar(head);

    // Above thrust 1 a star is drawn as the streak it covered this frame.
    if (controls.playerThrust > 1) {
      DrawLine(surface, pitch, TruncToInt(tail.x), TruncToInt(tail.y), TruncToInt(head.x),
               TruncToInt(head.y), head.colour);
    } else {
      PutPixel(surface, pitch, TruncToInt(head.x), TruncToInt(head.y), head.colour);
    }

    // Same fields, same rule: the tail lands on the head.
    if (controls.paused == 0) MoveStar(tail);

    // A star that has left the screen comes back on the opposite edge with a new speed. The
    // first edge test that fires puts the other coordinate back on the screen, so no second one
    // fires after it.
    const std::int32_t xi = TruncToInt(head.x);
    const std::int32_t yi = TruncToInt(head.y);
    if (yi > 481 || yi < -1 || xi > 641 || xi < -1) {
      if (head.x < 0.0f) {
        head.x = 640.0f;
        head.y = static_cast<float>(rng.Draw() % 480);
      }
      if (head.x > 640.0f) {
        head.x = 0.0f;
        head.y = static_cast<float>(rng.Draw() % 480);
      }
      if (head.y < 0.0f) {
        head.y = 480.0f;
        head.x = static_cast<float>(rng.Draw() % 640);
      }
      if (head.y > 480.0f) {
        head.y = 0.0f;
        head.x = static_cast<float>(rng.Draw() % 640);
      }
      NewSpeedAndColour(head);
      TailToHead(i);
    }
  }
}

}  // namespace kelmora

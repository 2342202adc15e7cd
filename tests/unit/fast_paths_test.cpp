// The quick ways through the busiest passes (explosion particles, exhaust trails, keyed blits and
// lines of text, spans and lines, pickup collection, whole-heading sines) against the plain
// step-by-step rules they stand for:
// every result must be the same, bit for bit, and so must every draw of the generator.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "arena.h"
#include "core/compass.h"
#include "display/pixels.h"
#include "effects/explosions.h"
#include "effects/trails.h"
#include "game/pickups.h"
#include "game/world.h"
#include "platform/display.h"
#include "platform/faults.h"
#include "state/state.h"
#include "support.h"

namespace kelmora {
namespace {

// ------------------------------------------------------------------------------------------
// Explosions.

struct PlainExplosion {
  std::vector<float> x, y, angle, speed;
  std::vector<std::int32_t> colour;
};

std::int32_t PlainScreen(float world, std::int16_t camera, std::int32_t centre) {
  const std::int64_t screen = static_cast<std::int64_t>(TruncToInt(world)) - camera + centre;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      screen, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// One pass over one explosion, particle by particle, as the rules describe it.
void PlainStep(PlainExplosion& e, bool jitter, std::uint8_t* surface, std::int32_t pitch) {
  for (std::size_t j = 0; j < e.x.size(); ++j) {
    const double a = e.angle[j] / 16.0 * static_cast<double>(6.2831855f);
    const double v = e.speed[j];
    const auto sx = static_cast<float>(std::sin(a) * v);
    const auto sy = static_cast<float>(std::cos(a) * v);
    if (jitter) {
      e.x[j] = static_cast<float>((rng.Draw() % 100 - 50) * 0.04 + sx + e.x[j]);
      e.y[j] = static_cast<float>(e.y[j] - ((rng.Draw() % 100 - 50) * 0.04 + sy));
    } else {
      e.x[j] = static_cast<float>(static_cast<double>(e.x[j]) + sx);
      e.y[j] = static_cast<float>(static_cast<double>(e.y[j]) - sy);
    }
    e.speed[j] = static_cast<float>(e.speed[j] - 0.1);
    if (e.speed[j] < 0.0f) {
      e.speed[j] = 0.0f;
      if (e.colour[j] < 79) ++e.colour[j];
    }
  }
  for (std::size_t j = 0; j < e.x.size(); ++j) {
    PutPixel(surface, pitch, PlainScreen(e.x[j], controls.cameraX, 320),
             PlainScreen(e.y[j], controls.cameraY, 240), e.colour[j]);
  }
}

bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

class FastPathsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetEverything(); }
};

TEST_F(FastPathsTest, ExplosionPassesMatchThePlainRuleBitForBit) {
  for (const bool jitter : {true, false}) {
    testing::ResetEverything();
    rng.Seed(jitter ? 20261209u : 7u);
    settings.explosionJitter = jitter ? 1 : 0;
    controls.cameraX = -32768;
    controls.cameraY = 32767;
    // Odd sizes, so the vector passes have leftovers; one slot reused within the run.
    const std::int32_t sizes[] = {37, 700, 1, 16, 5000, 33};
    std::int32_t n = 0;
    for (const std::int32_t size : sizes) {
      settings.explosionParticles = size;
      SpawnExplosion(-32768 + 40 * n, 32767 - 30 * n);
      ++n;
    }
    // Particles no explosion is born with: off-table directions, and positions far away or NaN.
    ExplosionSystem& odd = *effectState.explosionRing[0];
    const float nan = std::numeric_limits<float>::quiet_NaN();
    odd.angle[1] = 0.005f;
    odd.angle[2] = 16.0f;
    odd.angle[3] = -1.0f;
    odd.angle[4] = nan;
    odd.x[5] = 3.0e9f;
    odd.y[6] = -3.0e9f;
    odd.x[7] = nan;
    odd.x[8] = -0.0f;

    std::vector<PlainExplosion> plain;
    for (const auto& slot : effectState.explosionRing) {
      if (!slot) break;
      plain.push_back({slot->x, slot->y, slot->angle, slot->speed, slot->colour});
    }
    std::vector<std::uint8_t> fast(640 * 480), slow(640 * 480);
    for (int frame = 0; frame < 55; ++frame) {
      if (frame == 20) controls.cameraX = -32700;  // the view moves under the cloud
      if (frame == 30) {
        // New explosions land in slots whose directions were seen before: one of another size,
        // one of the same size.
        for (const auto& [slot, size] : {std::pair{2, 300}, std::pair{4, 5000}}) {
          settings.explosionParticles = size;
          effectState.explosionNext = slot;
          SpawnExplosion(-32700, 32700);
          const ExplosionSystem& made = *effectState.explosionRing[static_cast<std::size_t>(slot)];
          plain[static_cast<std::size_t>(slot)] = {made.x, made.y, made.angle, made.speed,
                                                   made.colour};
        }
      }
      const std::uint32_t start = rng.state;
      std::vector<std::int32_t> ages(effectState.explosionAge.begin(),
                                     effectState.explosionAge.end());
      UpdateExplosions(fast.data(), 640);
      const std::uint32_t afterFast = rng.state;
      rng.state = start;
      for (std::size_t k = 0; k < plain.size(); ++k) {
        if (ages[k] > 50 || plain[k].x.empty()) continue;
        PlainStep(plain[k], jitter, slow.data(), 640);
      }
      ASSERT_EQ(afterFast, rng.state) << "frame " << frame;
      for (std::size_t k = 0; k < plain.size(); ++k) {
        const auto& live = effectState.explosionRing[k];
        if (!live) continue;
        ASSERT_TRUE(SameBits(live->x, plain[k].x)) << "frame " << frame << " slot " << k;
        ASSERT_TRUE(SameBits(live->y, plain[k].y)) << "frame " << frame << " slot " << k;
        ASSERT_TRUE(SameBits(live->speed, plain[k].speed));
        ASSERT_EQ(live->colour, plain[k].colour);
      }
      ASSERT_EQ(fast, slow) << "frame " << frame;
      for (std::size_t k = 0; k < plain.size(); ++k) {
        if (!effectState.explosionRing[k]) plain[k] = {};
      }
    }
  }
}

TEST_F(FastPathsTest, ExplosionOnALayerOfUnusualPitchStillDrawsEveryPoint) {
  rng.Seed(99);
  settings.explosionParticles = 50;
  settings.explosionJitter = 0;
  SpawnExplosion(0, 0);
  ExplosionSystem& live = *effectState.explosionRing[0];
  // Spent particles stand still at the centre, so only row 240 is written.
  std::fill(live.speed.begin(), live.speed.end(), 0.0f);
  PlainExplosion plain{live.x, live.y, live.angle, live.speed, live.colour};
  // A pitch beyond what a 32-bit offset of row 479 holds takes the plain way.
  const std::int32_t pitch = (std::numeric_limits<std::int32_t>::max() - 640) / 480 + 1;
  std::vector<std::uint8_t> row(static_cast<std::size_t>(pitch) + 640);
  std::vector<std::uint8_t> plainRow(row.size());
  UpdateExplosions(row.data() - static_cast<std::ptrdiff_t>(pitch) * 240, pitch);
  PlainStep(plain, false, plainRow.data() - static_cast<std::ptrdiff_t>(pitch) * 240, pitch);
  EXPECT_EQ(live.colour, plain.colour);
  EXPECT_EQ(row, plainRow);
  EXPECT_NE(row[320], 0);
}

// ------------------------------------------------------------------------------------------
// Exhaust trails.

struct PlainTrail {
  std::vector<float> x, y, speed;
  std::vector<std::int32_t> colour, age;
  float heading;
  std::int32_t count, base, cap;
};

// One frame of one trail, particle by particle, drawing as the rules describe it.
void PlainTrailStep(PlainTrail& t, std::int32_t ax, std::int32_t ay, std::uint8_t* surface) {
  const double radians = static_cast<double>(TruncToInt(t.heading - 8.0)) / 16.0 * kTwoPi;
  const double sine = std::sin(radians);
  const double cosine = std::cos(radians);
  for (std::size_t j = 0; j < static_cast<std::size_t>(t.count); ++j) {
    const double v = t.speed[j];
    t.x[j] = static_cast<float>(t.x[j] + sine * v);
    t.y[j] = static_cast<float>(t.y[j] - cosine * v);
    t.speed[j] = static_cast<float>(t.speed[j] - 0.1);
    if (t.age[j] < std::numeric_limits<std::int32_t>::max()) ++t.age[j];
    if (rng.Draw() % 10 < t.age[j]) {
      t.x[j] = static_cast<float>(static_cast<std::int64_t>(rng.Draw() % 5) + ax - 2);
      t.y[j] = static_cast<float>(static_cast<std::int64_t>(rng.Draw() % 5) + ay - 2);
      t.speed[j] = static_cast<float>((rng.Draw() % 200) * 0.025);
      const std::int32_t colour = TruncToInt(t.speed[j] * 0.2 * 16 + t.base);
      t.colour[j] = colour > t.cap ? t.cap : colour;
      t.age[j] = 0;
    }
    PutPixel(surface, 640, PlainScreen(t.x[j], controls.cameraX, 320),
             PlainScreen(t.y[j], controls.cameraY, 240), t.colour[j]);
  }
}

TEST_F(FastPathsTest, TrailPassesMatchThePlainRuleBitForBit) {
  rng.Seed(31337);
  settings.droneCount = 8;
  NewGame();
  controls.cameraX = 32700;
  controls.cameraY = -32700;
  // Ships on the world's edges and near the view; one out of play; odd headings; particles of
  // every age, some at the largest; a trail with fewer particles than room.
  const std::int16_t places[][2] = {{32767, -32768}, {32700, -32700}, {-32768, 32767},
                                    {32690, -32650}, {0, 0},          {32767, 32767},
                                    {-5, -32768},    {32720, -32710}, {32600, -32600}};
  const float headings[] = {0.0f, 3.0f, 15.0f, 8.0f, -0.0f, 7.5f, 31.0f, -16.0f, 12.0f};
  for (std::size_t i = 0; i < world.shipTable.size(); ++i) {
    Ship& ship = *world.shipTable[i];
    ship.x = places[i % 9][0];
    ship.y = places[i % 9][1];
    TrailSystem& trail = *effectState.exhaustTrails[i];
    trail.heading = headings[i % 9];
    for (std::size_t j = 0; j < trail.age.size(); ++j) {
      trail.age[j] = static_cast<std::int32_t>(rng.Draw() % 12);
    }
    trail.age[3] = std::numeric_limits<std::int32_t>::max();
  }
  world.shipTable[4]->alive = 0;
  effectState.exhaustTrails[2]->count = 7;

  std::vector<PlainTrail> plain;
  for (const auto& trail : effectState.exhaustTrails) {
    plain.push_back({trail->x, trail->y, trail->speed, trail->colour, trail->age, trail->heading,
                     trail->count, trail->baseColour, trail->capColour});
  }
  std::vector<std::uint8_t> fast(640 * 480), slow(640 * 480);
  for (int frame = 0; frame < 40; ++frame) {
    // The ships move on, across the world's edge.
    for (auto& ship : world.shipTable) {
      ship->x = Wrap16(ship->x + 7);
      ship->y = Wrap16(ship->y - 3);
    }
    const std::uint32_t start = rng.state;
    UpdateExhaustTrails(fast.data(), 640);
    const std::uint32_t afterFast = rng.state;
    rng.state = start;
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const Ship& ship = *world.shipTable[i];
      if (ship.alive != 0) PlainTrailStep(plain[i], ship.x, ship.y, slow.data());
    }
    ASSERT_EQ(afterFast, rng.state) << "frame " << frame;
    for (std::size_t i = 0; i < plain.size(); ++i) {
      const TrailSystem& live = *effectState.exhaustTrails[i];
      ASSERT_TRUE(SameBits(live.x, plain[i].x)) << "frame " << frame << " trail " << i;
      ASSERT_TRUE(SameBits(live.y, plain[i].y)) << "frame " << frame << " trail " << i;
      ASSERT_TRUE(SameBits(live.speed, plain[i].speed)) << "frame " << frame << " trail " << i;
      ASSERT_EQ(live.colour, plain[i].colour) << "frame " << frame << " trail " << i;
      ASSERT_EQ(live.age, plain[i].age) << "frame " << frame << " trail " << i;
    }
    ASSERT_EQ(fast, slow) << "frame " << frame;
  }
}

// ------------------------------------------------------------------------------------------
// Keyed and scaled blits.

// The blit as a loop over destination pixels with the mapping worked out for each one.
void PlainBlit(std::vector<std::uint8_t>& dst, std::int32_t dstPitch, const Rect& d,
               const std::vector<std::uint8_t>& src, std::int32_t srcPitch, const Rect& s,
               bool keyed, std::uint32_t low, std::uint32_t high) {
  for (std::int32_t y = d.top; y < d.bottom; ++y) {
    const std::int64_t sy = s.top + static_cast<std::int64_t>(y - d.top) * s.Height() / d.Height();
    for (std::int32_t x = d.left; x < d.right; ++x) {
      const std::int64_t sx =
          s.left + static_cast<std::int64_t>(x - d.left) * s.Width() / d.Width();
      const std::uint8_t value = src[static_cast<std::size_t>(sy * srcPitch + sx)];
      if (keyed && value >= low && value <= high) continue;
      dst[static_cast<std::size_t>(y * dstPitch + x)] = value;
    }
  }
}

class ProcessorPathsTest : public FastPathsTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    FastPathsTest::SetUp();
    platform::AllowProcessorPaths(GetParam());
  }
  void TearDown() override { platform::AllowProcessorPaths(true); }
};
INSTANTIATE_TEST_SUITE_P(WithAndWithout, ProcessorPathsTest, ::testing::Bool());

TEST_P(ProcessorPathsTest, BlitsMatchThePixelByPixelRule) {
  platform::Surface target("target", 97, 60, 0);
  platform::Surface sheet("sheet", 83, 70, 0);
  RandomGenerator pick;
  pick.Seed(5);
  // Few distinct colours, so key pixels come in runs and alone.
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Pitch()) * 70; ++i) {
    sheet.Pixels()[i] = static_cast<std::uint8_t>(pick.Draw() % 4 + 3);
  }
  struct Key {
    bool keyed;
    std::uint32_t low, high;
  };
  for (const Key key : {Key{true, 4, 4}, Key{true, 3, 5}, Key{false, 0, 0}, Key{true, 9, 2}}) {
    if (key.keyed)
      sheet.SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{key.low, key.high});
    for (int trial = 0; trial < 400; ++trial) {
      for (std::size_t i = 0; i < static_cast<std::size_t>(target.Pitch()) * 60; ++i) {
        target.Pixels()[i] = static_cast<std::uint8_t>(200 + i % 7);
      }
      std::vector<std::uint8_t> expected(target.Pixels(), target.Pixels() + target.Pitch() * 60);
      const std::vector<std::uint8_t> source(sheet.Pixels(), sheet.Pixels() + sheet.Pitch() * 70);
      const std::int32_t sw = 1 + pick.Draw() % 40, sh = 1 + pick.Draw() % 20;
      const std::int32_t sl = pick.Draw() % (83 - sw + 1), st = pick.Draw() % (70 - sh + 1);
      // Every other blit one to one, the rest scaled up or down.
      const bool same = trial % 2 == 0;
      const std::int32_t dw = same ? sw : 1 + pick.Draw() % 60;
      const std::int32_t dh = same ? sh : 1 + pick.Draw() % 30;
      const std::int32_t dl = pick.Draw() % (97 - dw + 1), dt = pick.Draw() % (60 - dh + 1);
      const Rect s{sl, st, sl + sw, st + sh};
      const Rect d{dl, dt, dl + dw, dt + dh};
      const std::uint32_t flags = key.keyed ? platform::DDBLT_KEYSRC : 0;
      ASSERT_EQ(target.Blt(&d, &sheet, &s, flags, nullptr), platform::DD_OK);
      PlainBlit(expected, target.Pitch(), d, source, sheet.Pitch(), s, key.keyed, key.low,
                key.high);
      ASSERT_TRUE(std::equal(expected.begin(), expected.end(), target.Pixels()))
          << "trial " << trial << " key " << key.low << ".." << key.high;
    }
  }
}

TEST_F(FastPathsTest, ASurfaceBlittedOntoItselfGoesPixelByPixelInOrder) {
  platform::Surface layer("layer", 64, 16, 0);
  for (std::size_t i = 0; i < static_cast<std::size_t>(layer.Pitch()) * 16; ++i) {
    layer.Pixels()[i] = static_cast<std::uint8_t>(i % 251);
  }
  std::vector<std::uint8_t> expected(layer.Pixels(), layer.Pixels() + layer.Pitch() * 16);
  // Overlapping, shifted right and down by one: each pixel copies one already copied.
  const Rect s{0, 0, 40, 10};
  const Rect d{1, 1, 41, 11};
  ASSERT_EQ(layer.Blt(&d, &layer, &s, 0, nullptr), platform::DD_OK);
  for (std::int32_t y = d.top; y < d.bottom; ++y) {
    for (std::int32_t x = d.left; x < d.right; ++x) {
      expected[static_cast<std::size_t>(y * layer.Pitch() + x)] =
          expected[static_cast<std::size_t>((y - 1) * layer.Pitch() + x - 1)];
    }
  }
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), layer.Pixels()));
}

// A line of keyed pieces side by side, at once and blit by blit: the same pixels, clipped at every
// edge; and nothing at all where a blit could fail or differ.
TEST_P(ProcessorPathsTest, RowOfKeyedPiecesMatchesABlitPerPiece) {
  platform::Clipper clipper;
  platform::Surface fast("fast", 640, 480, 0);
  platform::Surface slow("slow", 640, 480, 0);
  fast.SetClipper(&clipper);
  slow.SetClipper(&clipper);
  platform::Surface sheet("sheet", 83, 70, 0);
  RandomGenerator pick;
  pick.Seed(17);
  for (std::size_t i = 0; i < static_cast<std::size_t>(sheet.Pitch()) * 70; ++i) {
    sheet.Pixels()[i] = static_cast<std::uint8_t>(pick.Draw() % 3 + 4);
  }
  sheet.SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{5, 5});
  auto fill = [&](platform::Surface& s) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(s.Pitch()) * 480; ++i) {
      s.Pixels()[i] = static_cast<std::uint8_t>(100 + i % 13);
    }
  };
  auto same = [&] {
    return std::equal(fast.Pixels(), fast.Pixels() + fast.Pitch() * 480, slow.Pixels());
  };
  // Lines across each edge and corner, and wholly off the screen.
  const std::int32_t lefts[] = {-500, -40, -3, 0, 100, 590, 636, 640, 700};
  const std::int32_t tops[] = {-10, -6, -1, 0, 200, 473, 477, 480};
  // Seven apart, as the font's characters are (eight bytes a row at once), and nine apart.
  for (const std::int32_t advance : {7, 9}) {
    for (const std::int32_t left : lefts) {
      for (const std::int32_t top : tops) {
        fill(fast);
        fill(slow);
        std::vector<Rect> pieces(1 + pick.Draw() % 20);
        for (Rect& piece : pieces) {
          // Mostly whole 6x7 cells, now and then a single pixel stretched over the box.
          const std::int32_t x = pick.Draw() % (83 - 8), y = pick.Draw() % (70 - 7);
          piece = pick.Draw() % 5 == 0 ? Rect{x, y, x + 1, y + 1} : Rect{x, y, x + 6, y + 7};
        }
        ASSERT_TRUE(fast.BltKeyedRow(sheet, pieces, left, top, 6, 7, advance));
        for (std::size_t i = 0; i < pieces.size(); ++i) {
          const std::int32_t x = left + advance * static_cast<std::int32_t>(i);
          const Rect box{x, top, x + 6, top + 7};
          slow.Blt(&box, &sheet, &pieces[i], platform::DDBLT_KEYSRC, nullptr);
        }
        ASSERT_TRUE(same()) << "line at (" << left << ", " << top << "), " << advance << " apart";
      }
    }
  }

  // Where a blit per piece could fail or differ, the line draws nothing and says so.
  const Rect cell{0, 0, 6, 7};
  const std::vector<Rect> line(3, cell);
  fill(fast);
  fill(slow);
  platform::ArmFault(platform::Fault::kBlitBusy);
  EXPECT_FALSE(fast.BltKeyedRow(sheet, line, 10, 10, 6, 7, 7));
  platform::ClearFaults();
  const std::vector<Rect> odd{Rect{0, 0, 3, 7}};
  EXPECT_FALSE(fast.BltKeyedRow(sheet, odd, 10, 10, 6, 7, 7));  // a piece neither box nor dot
  sheet.SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{4, 5});
  EXPECT_FALSE(fast.BltKeyedRow(sheet, line, 10, 10, 6, 7, 7));  // a range of key colours
  sheet.SetColorKey(platform::DDCKEY_SRCBLT, platform::ColorKey{5, 5});
  fast.SetClipper(nullptr);
  EXPECT_FALSE(fast.BltKeyedRow(sheet, line, 10, 10, 6, 7, 7));
  fast.SetClipper(&clipper);
  sheet.MarkLost();
  EXPECT_FALSE(fast.BltKeyedRow(sheet, line, 10, 10, 6, 7, 7));
  EXPECT_TRUE(same());
}

// ------------------------------------------------------------------------------------------
// Spans and lines.

void PlainSpan(std::uint8_t* s, std::int32_t pitch, std::int32_t x1, std::int32_t y,
               std::int32_t x2, std::int32_t colour) {
  if (x1 > x2) std::swap(x1, x2);
  for (std::int64_t x = x1; x <= x2; ++x)
    PutPixel(s, pitch, static_cast<std::int32_t>(x), y, colour);
}

void PlainLine(std::uint8_t* s, std::int32_t pitch, std::int32_t x1, std::int32_t y1,
               std::int32_t x2, std::int32_t y2, std::int32_t colour) {
  if (y1 > y2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  auto wrap = [](std::int64_t v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
  };
  const std::int32_t slope = MulDiv(wrap((static_cast<std::int64_t>(x1) - x2) * 65536), 65536,
                                    wrap((static_cast<std::int64_t>(y1) - y2) * 65536));
  std::uint32_t current = static_cast<std::uint32_t>(x1) << 16;
  std::uint32_t previous = current;
  for (std::int64_t y = y1; y <= y2; ++y) {
    PlainSpan(s, pitch, static_cast<std::int32_t>(current) >> 16, static_cast<std::int32_t>(y),
              static_cast<std::int32_t>(previous) >> 16, colour);
    previous = current;
    current += static_cast<std::uint32_t>(slope);
  }
  if (y1 == y2) PlainSpan(s, pitch, x1, y1, x2, colour);
}

TEST_F(FastPathsTest, SpansAndLinesMatchPointByPoint) {
  std::vector<std::uint8_t> fast(700 * 480), slow(700 * 480);
  RandomGenerator pick;
  pick.Seed(11);
  auto coordinate = [&](std::int32_t span) { return pick.Draw() % span - span / 4; };
  for (int trial = 0; trial < 3000; ++trial) {
    std::int32_t x1 = coordinate(900), y1 = coordinate(700);
    std::int32_t x2 = coordinate(900), y2 = coordinate(700);
    if (trial % 3 == 0) x2 = x1;  // vertical, as the shield bar draws
    if (trial == 1) {
      x1 = x2 = 100000;  // a column whose 16.16 value wraps
      y1 = -5;
      y2 = 300;
    }
    if (trial == 2) {
      x1 = x2 = 10;  // 65536 rows: the slope's divisor wraps to 0
      y1 = -65000;
      y2 = 536;
    }
    const std::int32_t colour = 300 + trial;
    DrawLine(fast.data(), 700, x1, y1, x2, y2, colour);
    PlainLine(slow.data(), 700, x1, y1, x2, y2, colour);
    DrawSpan(fast.data(), 700, x2, y1, x1, colour + 1);
    PlainSpan(slow.data(), 700, x2, y1, x1, colour + 1);
    ASSERT_EQ(fast, slow) << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ")";
  }
}

// ------------------------------------------------------------------------------------------
// Pickups.

struct PickupOutcome {
  std::vector<std::int32_t> pickups;  // kind, x, y of each slot
  std::vector<std::int32_t> ships;    // shield, missiles, power of each ship
  std::uint32_t rngState;
  std::uint32_t rngBefore;
};

// A crowded world: ships piled up in a few spots (and on the world's edges), with pickups around
// them and on the same spots, so that one pass collects many, replacements included.
PickupOutcome CrowdedCollection(bool plain) {
  testing::Arena arena;
  rng.Seed(424242);
  const std::int16_t spots[][2] = {{-100, -100}, {-32768, -32768}, {32767, -20}, {-5, 32767}};
  for (int i = 0; i < 60; ++i) {
    const auto* spot = spots[i % 4];
    Ship& ship = i == 0 ? arena.AddPlayer(spot[0], spot[1]) : arena.AddDrone(spot[0], spot[1]);
    ship.x = Wrap16(ship.x + (rng.Draw() % 40 - 20));
    ship.y = Wrap16(ship.y + (rng.Draw() % 40 - 20));
    ship.shield = static_cast<std::uint8_t>(rng.Draw() % 100);
    ship.power = 1;
  }
  settings.pickupSetting = 500;
  BuildPickups();
  for (std::size_t j = 0; j < world.pickupTable.size(); j += 2) {
    const auto* spot = spots[j % 4];
    world.pickupTable[j]->x = Wrap16(spot[0] + (rng.Draw() % 60 - 30));
    world.pickupTable[j]->y = Wrap16(spot[1] + (rng.Draw() % 60 - 30));
  }
  const std::uint32_t before = rng.state;
  if (plain) {
    for (std::int32_t i = 0; i < ShipSlots(); ++i) {
      Ship& ship = *world.shipTable[static_cast<std::size_t>(i)];
      for (std::int32_t j = 0; j < PickupSlots(); ++j) {
        auto& slot = world.pickupTable[static_cast<std::size_t>(j)];
        if (!(ship.x - 15 < slot->x && slot->x < ship.x + 15 && ship.y - 15 < slot->y &&
              slot->y < ship.y + 15)) {
          continue;
        }
        switch (slot->kind) {
          case 0:
            ship.missiles = static_cast<std::uint8_t>(std::min(ship.missiles + 5, 15));
            break;
          case 1:
            ship.shield = static_cast<std::uint8_t>(std::min(ship.shield + 10, 100));
            break;
          case 2:
            ship.shield = static_cast<std::uint8_t>(std::min(ship.shield + 25, 100));
            break;
          case 3:
            ship.shield = static_cast<std::uint8_t>(std::min(ship.shield + 50, 100));
            break;
          default:
            if (ship.power < 8) ship.power = static_cast<std::uint8_t>(ship.power * 2);
        }
        slot = CreateRandomPickup();
      }
    }
  } else {
    CollectPickups();
  }
  PickupOutcome outcome;
  for (const auto& pickup : world.pickupTable) {
    outcome.pickups.insert(outcome.pickups.end(), {pickup->kind, pickup->x, pickup->y});
  }
  for (const auto& ship : world.shipTable) {
    outcome.ships.insert(outcome.ships.end(), {ship->shield, ship->missiles, ship->power});
  }
  outcome.rngState = rng.state;
  outcome.rngBefore = before;
  return outcome;
}

TEST_F(FastPathsTest, CollectionByColumnsMatchesTheDoubleLoop) {
  const PickupOutcome fast = CrowdedCollection(false);
  const PickupOutcome slow = CrowdedCollection(true);
  EXPECT_EQ(fast.pickups, slow.pickups);
  EXPECT_EQ(fast.ships, slow.ships);
  EXPECT_EQ(fast.rngState, slow.rngState);
  // Pickups were collected (so the test means something): each collection draws three times.
  EXPECT_NE(fast.rngState, fast.rngBefore);
}

// ------------------------------------------------------------------------------------------
// Whole headings.

TEST_F(FastPathsTest, CompassTableHoldsTheSameSinesAsTheSum) {
  for (std::int32_t h = -40; h <= 40; ++h) {
    const double radians = static_cast<double>(h) / 16.0 * kTwoPi;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(Compass(h).sine),
              std::bit_cast<std::uint64_t>(std::sin(radians)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(Compass(static_cast<float>(h)).cosine),
              std::bit_cast<std::uint64_t>(std::cos(radians)));
  }
  // -0.0 is not the heading 0: its sine keeps its sign.
  EXPECT_TRUE(std::signbit(Compass(-0.0f).sine));
  EXPECT_EQ(Compass(2.5f).sine, std::sin(2.5 / 16.0 * kTwoPi));
}

}  // namespace
}  // namespace kelmora

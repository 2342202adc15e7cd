#include "app/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/float_text.h"
#include "core/hash.h"
#include "support.h"

namespace kelmora {
namespace {

constexpr const char* kNothing = "cbf29ce484222325";  // the digest of no bytes at all

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0;
}

class TraceTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetEverything(); }
  void TearDown() override { testing::ResetEverything(); }

  static std::string Line(bool frameRan = false, std::optional<int> exit = std::nullopt,
                          std::vector<std::pair<std::string, std::string>> boxes = {}) {
    return TraceLine(4, frameRan, boxes, exit);
  }
  // The text of the top-level value of `key`: from after "key": up to the next top-level key.
  static std::string Value(const std::string& line, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (inString) {
        if (c == '\\') ++i;
        if (c == '"') inString = false;
        continue;
      }
      if (depth == 1 && line.compare(i, marker.size(), marker) == 0) {
        std::size_t end = i + marker.size();
        int inner = 0;
        bool quoted = false;
        for (; end < line.size(); ++end) {
          const char d = line[end];
          if (quoted) {
            if (d == '\\') ++end;
            if (d == '"') quoted = false;
            continue;
          }
          if (d == '"') quoted = true;
          if (d == '[' || d == '{') ++inner;
          if (d == ']' || d == '}') {
            if (inner == 0) break;
            --inner;
          }
          if (d == ',' && inner == 0) break;
        }
        return line.substr(i + marker.size(), end - i - marker.size());
      }
      if (c == '"') inString = true;
      if (c == '{' || c == '[') ++depth;
      if (c == '}' || c == ']') --depth;
    }
    return "<missing " + key + ">";
  }
};

TEST_F(TraceTest, EveryKeyInItsOrderAndExitOnlyWhenTheProgramEnded) {
  const std::vector<std::string> keys = {"tick",       "frames",   "rng",   "paused",  "player",
                                         "camera",     "settings", "ships", "shots",   "missiles",
                                         "explosions", "trails",   "stars", "pickups", "menu",
                                         "input",      "pixels",   "blits", "screen",  "boxes"};
  const std::string line = Line();
  ASSERT_EQ(line.front(), '{');
  ASSERT_EQ(line.back(), '}');
  EXPECT_EQ(line.find(' '), std::string::npos);
  std::size_t at = 0;
  for (const std::string& key : keys) {
    const std::size_t found = line.find("\"" + key + "\":", at);
    ASSERT_NE(found, std::string::npos) << key << " missing or out of order";
    at = found;
  }
  EXPECT_EQ(Value(line, "exit"), "<missing exit>");
  const std::string ended = Line(false, 1);
  EXPECT_EQ(ended.substr(ended.size() - 10), ",\"exit\":1}");
}

TEST_F(TraceTest, StateBeforeStartUp) {
  const std::string line = Line();
  EXPECT_EQ(Value(line, "tick"), "4");
  EXPECT_EQ(Value(line, "player"), R"({"heading":0,"thrust":0,"fire":0,"turn":0})");
  EXPECT_EQ(Value(line, "settings"),
            R"({"drones":12,"jitter":1,"particles":700,"pickupSetting":250,"shipCount":13,)"
            R"("pickupCount":250})");
  EXPECT_EQ(Value(line, "ships"), "[]");
  EXPECT_EQ(Value(line, "explosions"), R"({"next":0,"slots":[]})");
  EXPECT_EQ(Value(line, "menu"),
            R"({"cursor":[320,240],"main":1,"options":0,"exit":0,"saved":[0,0,0,0]})");
  EXPECT_EQ(Value(line, "input"),
            R"({"latched":[],"released":[],"buttonLatch":[0,0,0],"buttonReleased":[0,0,0]})");
  // Nothing exists yet to hash.
  EXPECT_EQ(Value(line, "pixels"), std::string("\"") + kNothing + "\"");
  EXPECT_EQ(Value(line, "screen"), std::string("\"") + kNothing + "\"");
  EXPECT_EQ(Value(line, "pickups"), std::string(R"({"count":250,"hash":")") + kNothing + "\"}");
  EXPECT_EQ(Value(line, "boxes"), "[]");
}

// The float text written by the game's own formatter, and by the C++ library's.
std::string OwnText(float value) {
  char buffer[kFloatTextSize];
  return std::string(buffer, ShortestFloatText(value, buffer));
}
std::string LibraryText(float value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// Every float the loop reaches reads the same as the library's text; on failure, the first
// few that differ.
void ExpectLibraryText(std::uint64_t first, std::uint64_t last, std::uint64_t stride) {
  int mismatches = 0;
  for (std::uint64_t bits = first; bits <= last; bits += stride) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
    const std::string own = OwnText(value);
    const std::string library = LibraryText(value);
    if (own != library && ++mismatches <= 5) {
      ADD_FAILURE() << std::hex << bits << ": " << own << " instead of " << library;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(FloatText, EqualsTheLibraryAtEveryKindOfFloat) {
  // Every 251st bit pattern of the whole range, both signs, NaNs and infinities included.
  ExpectLibraryText(0, 0xFFFFFFFFu, 251);
  // All subnormals near zero and near the normals, the smallest and largest normals, the largest
  // finite float, and every float from 0.5 to 4 and around 2^24 (plain and exponent notation
  // meet there and whole numbers stop being exact).
  ExpectLibraryText(0x00000000u, 0x00020000u, 1);
  ExpectLibraryText(0x007E0000u, 0x00820000u, 1);
  ExpectLibraryText(0x7F700000u, 0x7F800001u, 1);
  ExpectLibraryText(0x3F000000u, 0x40800000u, 3);
  ExpectLibraryText(0x4B600000u, 0x4C200000u, 2);
  // Every power of two, with its neighbours (the rounding interval is lopsided there), and
  // every power of ten and whole number near the switch between the notations.
  for (std::uint32_t exponent = 0; exponent < 256; ++exponent) {
    const std::uint32_t bits = exponent << 23;
    ExpectLibraryText(bits == 0 ? 0 : bits - 1, bits + 1, 1);
    ExpectLibraryText((bits | 0x80000000u) - (bits == 0 ? 0 : 1), (bits | 0x80000000u) + 1, 1);
  }
  for (float p = 1e-45f; p < 3e38f; p *= 10.0f) {
    const auto bits = std::bit_cast<std::uint32_t>(p);
    ExpectLibraryText(bits - 2, bits + 2, 1);
  }
  for (std::int64_t whole = 1; whole < 100000000000000; whole = whole * 3 + 1) {
    const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(whole));
    ExpectLibraryText(bits - 3, bits + 3, 1);
  }
  // A million random floats.
  std::mt19937 random(17);
  for (int i = 0; i < 1000000; ++i) {
    const std::uint32_t bits = random();
    ExpectLibraryText(bits, bits, 1);
  }
}

TEST(FloatText, WritesTheLibrarysShapes) {
  EXPECT_EQ(OwnText(std::numeric_limits<float>::infinity()), "inf");
  EXPECT_EQ(OwnText(-std::numeric_limits<float>::infinity()), "-inf");
  EXPECT_EQ(OwnText(std::numeric_limits<float>::quiet_NaN()), "nan");
  EXPECT_EQ(OwnText(-std::numeric_limits<float>::quiet_NaN()), "-nan");
  EXPECT_EQ(OwnText(std::numeric_limits<float>::max()), "3.4028235e+38");
  EXPECT_EQ(OwnText(std::numeric_limits<float>::denorm_min()), "1e-45");
  EXPECT_EQ(OwnText(-std::numeric_limits<float>::min()), "-1.1754944e-38");
  EXPECT_EQ(OwnText(123456792.0f), "123456792");  // whole numbers exactly, not 123456790
  EXPECT_EQ(OwnText(1e10f), "1e+10");
  EXPECT_EQ(OwnText(0.001f), "0.001");  // as short as 1e-03: plain wins
  EXPECT_EQ(OwnText(0.0001f), "1e-04");
  EXPECT_EQ(OwnText(0.3f), "0.3");
  EXPECT_EQ(OwnText(16777216.0f), "16777216");
}

TEST_F(TraceTest, FloatsAreTheShortestDecimalOfTheFloat) {
  EXPECT_EQ(TraceFloat(0.0f), "0");
  EXPECT_EQ(TraceFloat(-0.0f), "-0");
  EXPECT_EQ(TraceFloat(15.0f), "15");
  EXPECT_EQ(TraceFloat(0.1f), "0.1");  // not 0.100000001
  EXPECT_EQ(TraceFloat(static_cast<float>(0.1)), "0.1");
  EXPECT_EQ(TraceFloat(-16384.5f), "-16384.5");
  EXPECT_EQ(TraceFloat(1e20f), "1e+20");
  controls.playerHeading = 3.0f;
  controls.cameraX = -32768;
  controls.cameraY = 32767;
  const std::string line = Line();
  EXPECT_EQ(Value(line, "player"), R"({"heading":3,"thrust":0,"fire":0,"turn":0})");
  EXPECT_EQ(Value(line, "camera"), "[-32768,32767]");
}

TEST_F(TraceTest, ShipsShowEverySlotWithSignedFieldsAndTheirCells) {
  auto player = std::make_unique<PlayerShip>();
  player->x = -5;
  player->y = 7;
  player->heading = 15.0f;
  player->shield = 100;
  player->power = 1;
  player->alive = 1;
  player->missiles = 10;
  player->score = 65535;
  world.shipTable.push_back(std::move(player));
  auto drone = std::make_unique<DroneShip>();
  drone->index = 1;
  drone->target = -1;
  drone->spriteRowOffset = 62;
  world.shipTable.push_back(std::move(drone));
  world.shipCount = 5;  // as after a New Game click, before its F1 is handled
  EXPECT_EQ(Value(Line(), "ships"),
            "[[-5,7,15,0,100,1,1,0,0,10,-1,0,65535,0,[0,0,30,30]],"
            "[0,0,0,0,0,0,0,0,0,0,-1,1,0,62,[0,62,30,92]]]");
}

TEST_F(TraceTest, ActiveShotsAreListedAndTheHashCoversEverySlot) {
  const std::string quiet = Line();
  EXPECT_TRUE(StartsWith(Value(quiet, "shots"), R"({"next":0,"active":[],)"))
      << Value(quiet, "shots");

  Shot& shot = weapons.shotRing[7];
  shot.x = -100;
  shot.y = 20;
  shot.heading = 4.0f;
  shot.speed = 3;
  shot.active = 1;
  shot.owner = 2;
  weapons.shotAge[7] = 9;
  weapons.shotNext = 8;
  const std::string firing = Value(Line(), "shots");
  EXPECT_TRUE(StartsWith(firing, R"({"next":8,"active":[[7,-100,20,4,3,2,9]],"hash)")) << firing;

  // An inactive slot is not listed but still counts in the hash.
  shot.active = 0;
  const std::string ended = Value(Line(), "shots");
  EXPECT_TRUE(StartsWith(ended, R"({"next":8,"active":[],)")) << ended;
  const std::string quietShots = Value(quiet, "shots");
  EXPECT_NE(ended.substr(ended.find("hash")), quietShots.substr(quietShots.find("hash")));

  Missile& missile = weapons.missileRing[19];
  missile.x = 1.5f;
  missile.y = -2.25f;
  missile.heading = 6.0f;
  missile.speed = 2;
  missile.velocity = 0.1f;
  missile.active = 1;
  missile.ownerIndex = 0;
  missile.target = 3;
  missile.spriteRect = Rect{12, 0, 24, 12};
  weapons.missileAge[19] = 75;
  EXPECT_TRUE(StartsWith(Value(Line(), "missiles"),
                         R"({"next":0,"active":[[19,1.5,-2.25,6,2,0.1,0,3,75,[12,0,24,12]]])"))
      << Value(Line(), "missiles");
}

TEST_F(TraceTest, ExplosionsListOccupiedSlotsOnly) {
  auto system = std::make_unique<ExplosionSystem>();
  system->count = 2;
  system->x = {1.0f, 2.0f};
  system->y = {3.0f, 4.0f};
  system->angle = {0.5f, 0.25f};
  system->speed = {1.0f, 1.0f};
  system->colour = {200, 201};
  system->active = 1;
  effectState.explosionRing[3] = std::move(system);
  effectState.explosionAge[3] = 12;
  effectState.explosionNext = 4;
  const std::string explosions = Value(Line(), "explosions");
  EXPECT_TRUE(StartsWith(explosions, R"({"next":4,"slots":[[3,2,12,")")) << explosions;
  EXPECT_EQ(explosions.size(), 28u + 16u + 4u);  // the digest and the closing "]]}
  const std::string before = explosions;
  effectState.explosionRing[3]->colour[1] = 202;
  EXPECT_NE(Value(Line(), "explosions"), before);
}

// Any number of explosions (each digested on its own or side by side with others) gives each
// slot the digest of its own particles.
TEST_F(TraceTest, EachExplosionDigestsItsOwnParticles) {
  auto plainDigest = [](const ExplosionSystem& system) {
    Fnv1a64 hash;
    for (int j = 0; j < system.count; ++j) {
      const auto at = static_cast<std::size_t>(j);
      for (const float value : {system.x[at], system.y[at], system.angle[at], system.speed[at]}) {
        const auto bits = std::bit_cast<std::uint32_t>(value);
        for (int b = 0; b < 4; ++b) hash.Byte(static_cast<std::uint8_t>(bits >> (8 * b)));
      }
      const auto colour = static_cast<std::uint32_t>(system.colour[at]);
      for (int b = 0; b < 4; ++b) hash.Byte(static_cast<std::uint8_t>(colour >> (8 * b)));
    }
    return hash.Hex();
  };
  for (int occupied = 1; occupied <= kExplosionSlots; ++occupied) {
    testing::ResetEverything();
    for (int k = 0; k < occupied; ++k) {
      auto system = std::make_unique<ExplosionSystem>();
      system->count = 3 + 5 * ((k * 7 + occupied) % 4);  // counts that differ side by side
      for (int j = 0; j < system->count; ++j) {
        system->x.push_back(0.5f * static_cast<float>(j + k));
        system->y.push_back(-1.25f * static_cast<float>(j));
        system->angle.push_back(static_cast<float>(k) / 7.0f);
        system->speed.push_back(j % 3 == 0 ? 0.0f : 2.5f);
        system->colour.push_back(200 + (j + k) % 40);
      }
      const int slot = (k * 3) % kExplosionSlots;  // slots out of order
      effectState.explosionRing[static_cast<std::size_t>(slot)] = std::move(system);
    }
    const std::string explosions = Value(Line(), "explosions");
    for (int slot = 0; slot < kExplosionSlots; ++slot) {
      const auto& system = effectState.explosionRing[static_cast<std::size_t>(slot)];
      if (!system) continue;
      const std::string entry = "[" + std::to_string(slot) + "," + std::to_string(system->count) +
                                ",0,\"" + plainDigest(*system) + "\"]";
      EXPECT_NE(explosions.find(entry), std::string::npos)
          << occupied << " explosions, slot " << slot << ": " << explosions;
    }
  }
}

TEST_F(TraceTest, LatchesAreListedInAscendingOrder) {
  inputState.keyLatch[0xD0] = 1;
  inputState.keyLatch[0x19] = 1;
  inputState.keyReleased[0x39] = 1;
  inputState.buttonLatch[1] = 1;
  inputState.buttonReleased[0] = 1;
  EXPECT_EQ(
      Value(Line(), "input"),
      R"({"latched":[25,208],"released":[57],"buttonLatch":[0,1,0],"buttonReleased":[1,0,0]})");
}

TEST_F(TraceTest, BlitsCountOnlyWhenAFrameRan) {
  // Two blits' words: the digest is theirs, fed in turn.
  frameRecord.blitCount = 3;
  frameRecord.blitWords = {2, 0, 0, 640, 480, 0,           0, 640, 480, 0x1000000,
                           0, 5, 6, 7,   8,   0xFFFFFFF0u, 9, 10,  11,  0x1008000};
  Fnv1a64 words;
  for (const std::uint32_t word : frameRecord.blitWords) {
    for (int shift = 0; shift < 32; shift += 8)
      words.Byte(static_cast<std::uint8_t>(word >> shift));
  }
  EXPECT_EQ(Value(Line(true), "blits"), R"({"count":3,"hash":")" + words.Hex() + "\"}");
  EXPECT_EQ(Value(Line(false), "blits"), std::string(R"({"count":0,"hash":")") + kNothing + "\"}");
}

TEST_F(TraceTest, BoxesAreQuotedStrings) {
  const std::string line = Line(false, 1, {{"A Game", "say \"no\"\\\n"}, {"An Error", "x"}});
  EXPECT_EQ(Value(line, "boxes"), R"([["A Game","say \"no\"\\\n"],["An Error","x"]])");
}

TEST_F(TraceTest, PickupsHashTheWholeTableTheLastGameBuilt) {
  struct Badge final : Pickup {
    void Spawn(std::uint8_t k) override { kind = k; }
  };
  for (int j = 0; j < 3; ++j) {
    auto pickup = std::make_unique<Badge>();
    pickup->x = static_cast<std::int16_t>(j);
    world.pickupTable.push_back(std::move(pickup));
  }
  world.pickupCount = 3;
  const std::string three = Value(Line(), "pickups");
  world.pickupCount = 100;  // New Game clicked, its F1 not handled yet: the table stays
  const std::string clicked = Value(Line(), "pickups");
  EXPECT_TRUE(StartsWith(clicked, R"({"count":100,)")) << clicked;
  EXPECT_EQ(three.substr(11), clicked.substr(13));
  world.pickupTable[2]->x = 9;  // a slot beyond a smaller count still counts
  world.pickupCount = 2;
  EXPECT_NE(Value(Line(), "pickups").substr(11), three.substr(11));
}

TEST_F(TraceTest, SurfaceHashReadsRowsWithoutThePitch) {
  platform::Surface surface("pixelLayer", 640, 480, 0);
  const std::uint64_t black = SurfaceHash(&surface);
  Fnv1a64 expected;
  for (int i = 0; i < 640 * 480; ++i) expected.Byte(0);
  EXPECT_EQ(black, expected.Value());
  surface.Pixels()[surface.Pitch() * 479 + 639] = 7;  // the last visible byte
  EXPECT_NE(SurfaceHash(&surface), black);
  EXPECT_EQ(SurfaceHash(nullptr), Fnv1a64::kOffsetBasis);
}

// The plain digest of a surface's visible part: every byte of every row in turn.
std::uint64_t PlainSurfaceDigest(const platform::Surface& surface) {
  Fnv1a64 hash;
  const int width = std::min(surface.Width(), 640);
  const int height = std::min(surface.Height(), 480);
  for (int y = 0; y < height; ++y) {
    hash.Bytes(surface.Pixels() + y * surface.Pitch(), static_cast<std::size_t>(width));
  }
  return hash.Value();
}

TEST_F(TraceTest, SurfaceDigestsSideBySideAreThePlainDigests) {
  platform::Surface layer("pixelLayer", 640, 480, 0);
  platform::Surface screen("frontBuffer", 640, 480, 0);
  // Scattered points on one, a dense block and a row's end on the other, different blocks in each.
  for (int i = 0; i < 2000; ++i) {
    layer.Pixels()[(static_cast<std::size_t>(i) * 7919u) % (layer.Pitch() * 480u)] =
        static_cast<std::uint8_t>(1 + i % 200);
  }
  for (int y = 200; y < 260; ++y) {
    for (int x = 100; x < 229; ++x) {
      screen.Pixels()[y * screen.Pitch() + x] = static_cast<std::uint8_t>(x ^ y);
    }
    screen.Pixels()[y * screen.Pitch() + 639] = 9;
  }
  const auto both = SurfaceHashes(&layer, &screen);
  EXPECT_EQ(both[0], PlainSurfaceDigest(layer));
  EXPECT_EQ(both[1], PlainSurfaceDigest(screen));
  EXPECT_EQ(SurfaceHash(&layer), both[0]);
  // The rows' masks from whole registers where the processor has them, and without.
  platform::AllowProcessorPaths(false);
  EXPECT_EQ(SurfaceHashes(&layer, &screen), both);
  EXPECT_EQ(SurfaceHash(&screen), both[1]);
  platform::AllowProcessorPaths(true);
  // Surfaces of other sizes (narrower than a block, wider or taller than the screen, of
  // different sizes) and missing surfaces.
  platform::Surface narrow("narrow", 13, 5, 0);
  narrow.Pixels()[narrow.Pitch() * 4 + 12] = 3;
  platform::Surface wide("wide", 700, 500, 0);
  wide.Pixels()[wide.Pitch() * 479 + 639] = 4;
  wide.Pixels()[wide.Pitch() * 479 + 640] = 5;  // beyond what the trace reads
  EXPECT_EQ(SurfaceHashes(&narrow, &wide)[0], PlainSurfaceDigest(narrow));
  EXPECT_EQ(SurfaceHashes(&narrow, &wide)[1], PlainSurfaceDigest(wide));
  EXPECT_EQ(SurfaceHashes(&narrow, &narrow)[1], PlainSurfaceDigest(narrow));
  EXPECT_EQ(SurfaceHashes(nullptr, &screen)[0], Fnv1a64::kOffsetBasis);
  EXPECT_EQ(SurfaceHashes(nullptr, &screen)[1], both[1]);
  EXPECT_EQ(SurfaceHashes(&layer, nullptr)[0], both[0]);
}

}  // namespace
}  // namespace kelmora

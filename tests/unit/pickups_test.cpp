#include "game/pickups.h"

#include <gtest/gtest.h>

#include <memory>
#include <new>

#include "arena.h"
#include "platform/faults.h"
#include "state/state.h"

namespace kelmora {
namespace {

std::unique_ptr<Pickup> MakeOfKind(std::uint8_t kind) {
  switch (kind) {
    case 0:
      return std::make_unique<MissilePickup>();
    case 1:
      return std::make_unique<SmallShieldPickup>();
    case 2:
      return std::make_unique<MediumShieldPickup>();
    case 3:
      return std::make_unique<LargeShieldPickup>();
    default:
      return std::make_unique<PowerPickup>();
  }
}

bool IsOfKind(const Pickup& pickup, std::int32_t kind) {
  switch (kind) {
    case 0:
      return dynamic_cast<const MissilePickup*>(&pickup) != nullptr;
    case 1:
      return dynamic_cast<const SmallShieldPickup*>(&pickup) != nullptr;
    case 2:
      return dynamic_cast<const MediumShieldPickup*>(&pickup) != nullptr;
    case 3:
      return dynamic_cast<const LargeShieldPickup*>(&pickup) != nullptr;
    default:
      return dynamic_cast<const PowerPickup*>(&pickup) != nullptr;
  }
}

class PickupsTest : public ::testing::Test {
 protected:
  testing::Arena arena;

  void SetUp() override {
    world.pickupTable.clear();
    world.pickupCount = 0;
  }

  // A pickup laid by hand in the next table slot.
  Pickup& Lay(std::uint8_t kind, std::int16_t x, std::int16_t y) {
    auto pickup = MakeOfKind(kind);
    pickup->kind = kind;
    pickup->x = x;
    pickup->y = y;
    Pickup& ref = *pickup;
    world.pickupTable.push_back(std::move(pickup));
    world.pickupCount = static_cast<std::int32_t>(world.pickupTable.size());
    return ref;
  }
  const Pickup& PickupAt(std::int32_t j) { return *world.pickupTable[static_cast<std::size_t>(j)]; }
};

TEST_F(PickupsTest, SpawnPlacesTheIconLeftOfAndAboveTheOrigin) {
  for (std::uint8_t kind = 0; kind < 5; ++kind) {
    auto pickup = MakeOfKind(kind);
    rng.Seed(1000u + kind);
    RandomGenerator expected;
    expected.Seed(1000u + kind);
    const std::int32_t x = expected.Draw() - 32768;
    const std::int32_t y = expected.Draw() - 32768;
    pickup->Spawn(kind);
    EXPECT_EQ(pickup->kind, kind);
    EXPECT_EQ(pickup->x, x);
    EXPECT_EQ(pickup->y, y);
    EXPECT_EQ(rng.state, expected.state);
    EXPECT_EQ(pickup->sourceRect.left, 18 * kind);
    EXPECT_EQ(pickup->sourceRect.top, 199);
    EXPECT_EQ(pickup->sourceRect.right, 18 * kind + 17);
    EXPECT_EQ(pickup->sourceRect.bottom, 218);
  }
}

TEST_F(PickupsTest, ARandomPickupDrawsItsKindFirst) {
  bool seen[5] = {};
  for (std::uint32_t seed = 0; seed < 40; ++seed) {
    rng.Seed(seed);
    RandomGenerator expected;
    expected.Seed(seed);
    const std::int32_t kind = expected.Draw() % 5;
    const std::int32_t x = expected.Draw() - 32768;
    const std::int32_t y = expected.Draw() - 32768;
    const auto pickup = CreateRandomPickup();
    ASSERT_NE(pickup, nullptr);
    EXPECT_TRUE(IsOfKind(*pickup, kind)) << seed;
    EXPECT_EQ(pickup->kind, kind);
    EXPECT_EQ(pickup->x, x);
    EXPECT_EQ(pickup->y, y);
    EXPECT_EQ(rng.state, expected.state);
    seen[kind] = true;
  }
  for (bool kind : seen) EXPECT_TRUE(kind);
}

TEST_F(PickupsTest, ANewGameScattersPickupSettingPickups) {
  Lay(1, 0, 0);
  settings.pickupSetting = 120;
  world.pickupCount = 250;
  rng.Seed(3);
  BuildPickups();
  ASSERT_EQ(world.pickupTable.size(), 120u);
  EXPECT_EQ(world.pickupCount, 120);
  EXPECT_EQ(rng.state, testing::StateAfterDraws(3, 360));
  for (const auto& pickup : world.pickupTable) {
    ASSERT_NE(pickup, nullptr);
    EXPECT_LT(pickup->x, 0);
    EXPECT_LT(pickup->y, 0);
    EXPECT_TRUE(IsOfKind(*pickup, pickup->kind));
  }
}

TEST_F(PickupsTest, EffectsStopAtTheirCaps) {
  Ship& ship = arena.AddDrone(0, 0);
  auto collect = [&](std::uint8_t kind) {
    world.pickupTable.clear();
    Lay(kind, 0, 0);
    CollectPickups();
  };
  for (std::uint8_t expected : {2, 4, 8, 8}) {
    collect(4);
    EXPECT_EQ(ship.power, expected);
  }
  ship.missiles = 3;
  collect(0);
  EXPECT_EQ(ship.missiles, 8);
  ship.missiles = 12;
  collect(0);
  EXPECT_EQ(ship.missiles, 15);
  ship.shield = 50;
  collect(1);
  EXPECT_EQ(ship.shield, 60);
  collect(2);
  EXPECT_EQ(ship.shield, 85);
  collect(2);
  EXPECT_EQ(ship.shield, 100);
  ship.shield = 80;
  collect(3);
  EXPECT_EQ(ship.shield, 100);
}

TEST_F(PickupsTest, TouchingIsStrictOnEverySideAndNeedsNoLife) {
  Ship& ship = arena.AddPlayer(0, 0);
  ship.alive = 0;
  ship.missiles = 0;
  Lay(0, -14, -14);
  Lay(0, 14, 14);
  Lay(0, -15, -1);
  Lay(0, -1, -15);
  Lay(0, 15, 0);
  Lay(0, 0, 15);
  rng.Seed(11);
  CollectPickups();
  EXPECT_EQ(ship.missiles, 10);
  EXPECT_NE(PickupAt(0).x, -14);
  EXPECT_EQ(PickupAt(2).x, -15);
  EXPECT_EQ(PickupAt(5).y, 15);
  EXPECT_EQ(rng.state, testing::StateAfterDraws(11, 6));
}

TEST_F(PickupsTest, TheReplacementIsTestedOnlyAgainstLaterShips) {
  // Both ships stand exactly where the replacement will land.
  rng.Seed(21);
  RandomGenerator expected;
  expected.Seed(21);
  const std::int32_t kind = expected.Draw() % 5;
  const auto x = static_cast<std::int16_t>(expected.Draw() - 32768);
  const auto y = static_cast<std::int16_t>(expected.Draw() - 32768);
  Ship& first = arena.AddPlayer(x, y);
  Ship& second = arena.AddDrone(x, y);
  first.shield = 50;
  first.missiles = 2;
  second.shield = 10;
  second.missiles = 2;
  Lay(4, x, y);
  CollectPickups();
  // The lower slot takes the original and nothing else.
  EXPECT_EQ(first.power, 2);
  EXPECT_EQ(first.shield, 50);
  EXPECT_EQ(first.missiles, 2);
  // The higher slot takes the replacement.
  const bool changed = second.power != 1 || second.shield != 10 || second.missiles != 2;
  EXPECT_TRUE(changed) << "kind " << kind;
  EXPECT_EQ(rng.state, testing::StateAfterDraws(21, 6));
}

TEST_F(PickupsTest, OnlyTheFirstPickupCountSlotsAreDrawnAndCollected) {
  Ship& ship = arena.AddDrone(-500, -500);
  Lay(4, -700, -700);
  Lay(4, -500, -500);
  Lay(4, -500, -500);
  world.pickupCount = 2;
  frameRecord.blitCount = 0;
  DrawPickups();
  EXPECT_EQ(frameRecord.blitCount, 2u);
  CollectPickups();
  EXPECT_EQ(ship.power, 2);
  EXPECT_EQ(PickupAt(2).x, -500);
}

TEST_F(PickupsTest, NoMemoryForAReplacementLeavesTheOldPickupInItsSlot) {
  arena.AddDrone(-500, -500);
  const Pickup& old = Lay(2, -500, -500);
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(CollectPickups(), std::bad_alloc);
  ASSERT_EQ(world.pickupTable.size(), 1u);
  EXPECT_EQ(world.pickupTable[0].get(), &old);
  EXPECT_EQ(old.x, -500);

  settings.pickupSetting = 100;
  platform::ArmFault(platform::Fault::kAllocation);
  EXPECT_THROW(BuildPickups(), std::bad_alloc);
  EXPECT_EQ(world.pickupTable.size(), 1u);
  EXPECT_EQ(world.pickupCount, 1);
}

}  // namespace
}  // namespace kelmora

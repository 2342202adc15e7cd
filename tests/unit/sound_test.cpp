#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/mixer.h"
#include "app/script.h"
#include "app/session.h"
#include "app/sound_cues.h"
#include "app/sound_effects.h"
#include "app/trace.h"
#include "game/world.h"
#include "tests/unit/session_run.h"
#include "tests/unit/support.h"

namespace kelmora {
namespace {

// Each effect is fixed: a change to any of its samples is a change to the game's sound.
TEST(SoundEffectsTest, EveryEffectHasItsFixedSamples) {
  const std::map<SoundEffect, std::uint64_t> digests = {
      {SoundEffect::kPlayerShot, 0x810385b840bf85e7ull},
      {SoundEffect::kDroneShot, 0x781668b9a44fcca8ull},
      {SoundEffect::kMissileLaunch, 0xaa7f2a8c62d5bcaull},
      {SoundEffect::kMissileBurst, 0x280a1e09fa4adba0ull},
      {SoundEffect::kExplosion, 0xf6b90e3f76e0708bull},
      {SoundEffect::kFarExplosion, 0x5ee71385c73f9472ull},
      {SoundEffect::kMissilePickup, 0x2b1d4da8aa3280adull},
      {SoundEffect::kSmallShieldPickup, 0xb0e6e87113976c66ull},
      {SoundEffect::kMediumShieldPickup, 0xffa929774b5bdcd5ull},
      {SoundEffect::kLargeShieldPickup, 0x36e619b4bf7662dull},
      {SoundEffect::kPowerPickup, 0x4f50787e46c0eccaull},
      {SoundEffect::kPlayerDestroyed, 0x242ff5efc7ba44c7ull},
      {SoundEffect::kMenuClick, 0xc69ba54148331352ull},
  };
  ASSERT_EQ(digests.size(), static_cast<std::size_t>(kSoundEffectCount));
  for (const auto& [effect, digest] : digests) {
    EXPECT_EQ(EffectDigest(SynthesizeEffect(effect)), digest)
        << InfoOf(effect).name << ": 0x" << std::hex << EffectDigest(SynthesizeEffect(effect));
  }
}

TEST(SoundEffectsTest, EffectsAreShortQuietEnoughAndDistinct) {
  std::vector<std::uint64_t> seen;
  for (int e = 0; e < kSoundEffectCount; ++e) {
    const auto effect = static_cast<SoundEffect>(e);
    const std::vector<float> samples = SynthesizeEffect(effect);
    const double seconds = static_cast<double>(samples.size()) / kSoundRate;
    EXPECT_GT(seconds, 0.01) << InfoOf(effect).name;
    EXPECT_LE(seconds, 2.0) << InfoOf(effect).name;
    float peak = 0.0f;
    for (const float s : samples) peak = std::max(peak, std::fabs(s));
    EXPECT_GT(peak, 0.1f) << InfoOf(effect).name;
    EXPECT_LE(peak, 0.9f) << InfoOf(effect).name;
    // Each ends in silence: no click when its voice stops.
    EXPECT_LT(std::fabs(samples.back()), 0.01f) << InfoOf(effect).name;
    const std::uint64_t digest = EffectDigest(samples);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), digest), 0) << InfoOf(effect).name;
    seen.push_back(digest);
  }
  // The player's shots and the drones' differ; a kill near the view is longer and deeper than
  // one further off.
  EXPECT_GT(SynthesizeEffect(SoundEffect::kExplosion).size(),
            SynthesizeEffect(SoundEffect::kFarExplosion).size());
}

TEST(SoundEffectsTest, SamplesRoundToSixteenBits) {
  EXPECT_EQ(ToSample16(0.0f), 0);
  EXPECT_EQ(ToSample16(1.0f), 32767);
  EXPECT_EQ(ToSample16(-1.0f), -32767);
  EXPECT_EQ(ToSample16(2.0f), 32767);
  EXPECT_EQ(ToSample16(-3.0f), -32767);
  EXPECT_EQ(ToSample16(0.5f), 16384);  // 16383.5 rounds away from zero
  EXPECT_EQ(ToSample16(-0.5f), -16384);
}

std::vector<std::int16_t> Render(Mixer& mixer, int frames) {
  std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
  mixer.Render(out.data(), frames);
  return out;
}

int Peak(const std::vector<std::int16_t>& samples, int channel) {
  int peak = 0;
  for (std::size_t i = static_cast<std::size_t>(channel); i < samples.size(); i += 2) {
    peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  }
  return peak;
}

TEST(MixerTest, VoicesPerEffectAreCappedAndTheOldestGivesWay) {
  Mixer mixer;
  for (int i = 0; i < 12; ++i) mixer.Play(SoundEffect::kDroneShot, 1.0f, 0.0f);
  EXPECT_EQ(mixer.ActiveVoices(SoundEffect::kDroneShot), InfoOf(SoundEffect::kDroneShot).voices);
  mixer.Play(SoundEffect::kPlayerDestroyed, 1.0f, 0.0f);
  mixer.Play(SoundEffect::kPlayerDestroyed, 1.0f, 0.0f);
  EXPECT_EQ(mixer.ActiveVoices(SoundEffect::kPlayerDestroyed), 1);
  // Silent cues take no voice.
  mixer.Play(SoundEffect::kMenuClick, 0.0f, 0.0f);
  EXPECT_EQ(mixer.ActiveVoices(SoundEffect::kMenuClick), 0);
  // Voices end with their sound.
  const auto length = static_cast<int>(mixer.Samples(SoundEffect::kPlayerDestroyed).size());
  Render(mixer, length + 1);
  EXPECT_EQ(mixer.ActiveVoices(), 0);
}

TEST(MixerTest, EverythingAtOnceNeverClips) {
  Mixer mixer;
  mixer.SetVolume(100);
  for (int round = 0; round < 4; ++round) {
    for (int e = 0; e < kSoundEffectCount; ++e) {
      mixer.Play(static_cast<SoundEffect>(e), 1.0f, round % 2 == 0 ? -0.2f : 0.2f);
    }
  }
  const std::vector<std::int16_t> out = Render(mixer, kSoundRate);
  EXPECT_GT(Peak(out, 0), 16000);
  // The limiter bends the sum towards full scale without ever flattening it there.
  std::size_t atFullScale = 0;
  for (const std::int16_t s : out) atFullScale += (s >= 32767 || s <= -32767) ? 1 : 0;
  EXPECT_EQ(atFullScale, 0u);
  float last = 0.0f;
  for (float x = 0.0f; x < 20.0f; x += 0.01f) {
    const float y = Mixer::Limit(x);
    EXPECT_GE(y, last);
    EXPECT_LT(y, 1.0f);
    EXPECT_EQ(Mixer::Limit(-x), -y);
    last = y;
  }
  EXPECT_EQ(Mixer::Limit(0.5f), 0.5f);  // below the knee a sound is left alone
}

TEST(MixerTest, PanningVolumeAndMuting) {
  Mixer mixer;
  mixer.Play(SoundEffect::kMenuClick, 1.0f, -1.0f);
  std::vector<std::int16_t> out = Render(mixer, 2000);
  EXPECT_GT(Peak(out, 0), 1000);
  EXPECT_EQ(Peak(out, 1), 0);
  mixer.Play(SoundEffect::kMenuClick, 1.0f, 0.0f);
  out = Render(mixer, 2000);
  EXPECT_EQ(Peak(out, 0), Peak(out, 1));

  mixer.SetVolume(0);
  mixer.Play(SoundEffect::kExplosion, 1.0f, 0.0f);
  EXPECT_EQ(Peak(Render(mixer, 4800), 0), 0);
  mixer.SetVolume(100);
  mixer.SetMuted(true);
  EXPECT_TRUE(mixer.Muted());
  EXPECT_EQ(mixer.ActiveVoices(), 0);  // muting stops what sounds
  mixer.Play(SoundEffect::kExplosion, 1.0f, 0.0f);
  EXPECT_EQ(Peak(Render(mixer, 4800), 0), 0);
}

TEST(SoundPlaceTest, GainFallsWithDistanceToSilenceAtTheReach) {
  EXPECT_EQ(GainAtDistance(0, 0), 1.0f);
  EXPECT_FLOAT_EQ(GainAtDistance(kSoundReach / 2, 0), 0.25f);
  EXPECT_EQ(GainAtDistance(0, kSoundReach), 0.0f);
  EXPECT_EQ(GainAtDistance(kSoundReach, kSoundReach), 0.0f);
  EXPECT_GT(GainAtDistance(100, 0), GainAtDistance(200, 0));
  EXPECT_EQ(PanAt(0), 0.0f);
  EXPECT_EQ(PanAt(-320), -1.0f);
  EXPECT_EQ(PanAt(5000), 1.0f);
  EXPECT_FLOAT_EQ(PanAt(160), 0.5f);
}

// The game run through the session as the program runs it, its script given as a replay, the
// cues of every tick kept.
class CueRecorder final : public TickObserver {
 public:
  void AfterTick(std::int64_t tick, bool frameRan) override {
    for (const SoundCue& cue : observer.Observe(frameRan)) cues[tick].push_back(cue);
    traceDigest.Bytes(reinterpret_cast<const std::uint8_t*>(&tick), sizeof tick);
  }
  bool Has(std::int64_t tick, SoundEffect effect) const {
    const auto found = cues.find(tick);
    if (found == cues.end()) return false;
    for (const SoundCue& cue : found->second) {
      if (cue.effect == effect) return true;
    }
    return false;
  }
  std::vector<std::int64_t> TicksOf(SoundEffect effect) const {
    std::vector<std::int64_t> ticks;
    for (const auto& [tick, list] : cues) {
      if (Has(tick, effect)) ticks.push_back(tick);
    }
    return ticks;
  }
  SoundObserver observer;
  std::map<std::int64_t, std::vector<SoundCue>> cues;
  Fnv1a64 traceDigest;
};

using testing::RunScript;

TEST(SoundCuesTest, AFightSoundsWhereItsShotsMissilesAndExplosionsStart) {
  CueRecorder recorder;
  const std::string trace = RunScript(
      "seed 7\n"
      "1 vk F1\n"
      "10 key SPACE down\n"
      "60 key SPACE up\n"
      "100 key LMENU down\n"
      "101 key LMENU up\n"
      "300 vk ESCAPE\n",
      &recorder);
  // The player fires every other frame while Space is held, and never before or after.
  const std::vector<std::int64_t> shots = recorder.TicksOf(SoundEffect::kPlayerShot);
  ASSERT_FALSE(shots.empty());
  EXPECT_GE(shots.front(), 10);
  EXPECT_LE(shots.front(), 12);
  EXPECT_LE(shots.back(), 62);
  EXPECT_GE(shots.size(), 20u);
  for (std::size_t i = 1; i < shots.size(); ++i) EXPECT_EQ(shots[i] - shots[i - 1], 2);
  // The missile leaves in the frame that finds Left Alt let go and bursts 76 updates later, near
  // the player: one burst, and no kill's explosion for it.
  EXPECT_EQ(recorder.TicksOf(SoundEffect::kMissileLaunch), std::vector<std::int64_t>{101});
  const std::vector<std::int64_t> bursts = recorder.TicksOf(SoundEffect::kMissileBurst);
  ASSERT_EQ(bursts.size(), 1u);
  EXPECT_GT(bursts[0], 170);
  EXPECT_LT(bursts[0], 185);
  EXPECT_FALSE(recorder.Has(bursts[0], SoundEffect::kExplosion));
  // At most one cue per effect and tick, each audible and placed.
  for (const auto& [tick, list] : recorder.cues) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_GT(list[i].gain, 0.0f);
      EXPECT_LE(list[i].gain, 1.0f);
      for (std::size_t j = i + 1; j < list.size(); ++j) EXPECT_NE(list[i].effect, list[j].effect);
    }
  }
  // The player's own shots come from the middle of the screen.
  for (const std::int64_t tick : shots) {
    for (const SoundCue& cue : recorder.cues[tick]) {
      if (cue.effect == SoundEffect::kPlayerShot) {
        EXPECT_EQ(cue.pan, 0.0f);
      }
    }
  }

  // Watching changes nothing: the same run without an observer gives the same trace.
  EXPECT_EQ(RunScript("seed 7\n1 vk F1\n10 key SPACE down\n60 key SPACE up\n100 key LMENU down\n"
                      "101 key LMENU up\n300 vk ESCAPE\n",
                      nullptr),
            trace);
}

TEST(SoundCuesTest, TheMenuIsQuietButForClicksOnItsButtons) {
  CueRecorder recorder;
  // Seed 3 leaves the view quiet for the first seconds of the menu. A click beside the buttons,
  // then on Options, then on the jitter box, then Cancel.
  RunScript(
      "seed 3\n"
      "1 mouse -100 0\n"
      "2 button 0 down\n"
      "3 button 0 up\n"
      "5 mouse 100 0\n"
      "6 button 0 down\n"
      "7 button 0 up\n"
      "9 mouse 68 -40\n"
      "10 button 0 down\n"
      "11 button 0 up\n"
      "13 mouse 0 80\n"
      "14 button 0 down\n"
      "15 button 0 up\n"
      "120 close\n",
      &recorder);
  // Options at (320, 240) clicked in tick 7, the box at (388, 200) in tick 11, Cancel at
  // (388, 280) in tick 15; the click at (220, 240) in tick 3 hits nothing.
  EXPECT_EQ(recorder.TicksOf(SoundEffect::kMenuClick), (std::vector<std::int64_t>{7, 11, 15}));
  for (const auto& [tick, list] : recorder.cues) {
    for (const SoundCue& cue : list) {
      EXPECT_EQ(cue.effect, SoundEffect::kMenuClick)
          << "tick " << tick << ": " << InfoOf(cue.effect).name;
    }
  }
}

// The observer set beside state changed by hand, as the frame would change it.
TEST(SoundCuesTest, ThePlayersDeathAndThePickupsTakenSoundEachOnce) {
  testing::ResetEverything();
  ASSERT_TRUE(testing::StartHeadlessGame(2));
  Ship& player = PlayerShipRecord();
  player.alive = 1;
  SoundObserver observer;
  EXPECT_TRUE(observer.Observe(true).empty());  // the first look only looks
  EXPECT_TRUE(observer.Observe(true).empty());  // nothing changed

  // A pickup the player touched is replaced somewhere else; one far away too (a drone's).
  Pickup& near = *world.pickupTable[3];
  Pickup& far = *world.pickupTable[4];
  near.x = static_cast<std::int16_t>(player.x + 14);
  near.y = static_cast<std::int16_t>(player.y - 14);
  near.kind = 4;
  far.x = static_cast<std::int16_t>(player.x + 15);
  far.y = player.y;
  observer.Observe(true);
  near.x = static_cast<std::int16_t>(near.x + 3000);
  near.kind = 1;
  far.x = static_cast<std::int16_t>(far.x + 3000);
  const std::vector<SoundCue> taken = observer.Observe(true);
  ASSERT_EQ(taken.size(), 1u);
  EXPECT_EQ(taken[0].effect, SoundEffect::kPowerPickup);  // the kind it was, not the new one
  EXPECT_EQ(taken[0].gain, 1.0f);

  player.alive = 0;
  const std::vector<SoundCue> death = observer.Observe(true);
  ASSERT_EQ(death.size(), 1u);
  EXPECT_EQ(death[0].effect, SoundEffect::kPlayerDestroyed);
  // While the ship is out, pickups it lies on make no sound.
  near.x = player.x;
  near.y = player.y;
  observer.Observe(true);
  near.x = static_cast<std::int16_t>(near.x + 3000);
  EXPECT_TRUE(observer.Observe(true).empty());

  // A new game is a new world: nothing of it is set beside the old one.
  NewGame();
  EXPECT_TRUE(observer.Observe(true).empty());
  testing::ResetEverything();
}

TEST(SoundCuesTest, DronesKilledOutOfTheViewSoundFarAndFaintOrNotAtAll) {
  testing::ResetEverything();
  ASSERT_TRUE(testing::StartHeadlessGame(2));
  SoundObserver observer;
  observer.Observe(true);
  // Slot 1 killed 500 units off (no explosion there), slot 2 killed beyond the reach.
  ShipRecord(1).x = static_cast<std::int16_t>(controls.cameraX + 500);
  ShipRecord(1).y = controls.cameraY;
  ShipRecord(2).x = static_cast<std::int16_t>(controls.cameraX - 2000);
  observer.Observe(true);
  world.shipTable[1] = std::make_unique<DroneShip>();
  world.shipTable[2] = std::make_unique<DroneShip>();
  const std::vector<SoundCue> cues = observer.Observe(true);
  ASSERT_EQ(cues.size(), 1u);
  EXPECT_EQ(cues[0].effect, SoundEffect::kFarExplosion);
  EXPECT_FLOAT_EQ(cues[0].gain, GainAtDistance(500, 0));
  EXPECT_EQ(cues[0].pan, 1.0f);
  testing::ResetEverything();
}

}  // namespace
}  // namespace kelmora

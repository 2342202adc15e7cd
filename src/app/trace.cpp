#include "app/trace.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdio>
#include <span>

#include "core/float_text.h"
#include "core/hash.h"
#include "effects/particles.h"
#include "platform/display.h"
#include "state/state.h"

namespace kelmora {

namespace {

// Appends JSON pieces to one line; the caller places the commas.
class Line {
 public:
  Line& Raw(std::string_view text) {
    text_.append(text);
    return *this;
  }
  Line& Key(std::string_view key) {
    text_.push_back('"');
    text_.append(key);
    text_.append("\":");
    return *this;
  }
  Line& Int(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text_.append(buffer, result.ptr);
    return *this;
  }
  Line& Float(float value) {
    text_.append(TraceFloat(value));
    return *this;
  }
  Line& Hash(const Fnv1a64& hash) {
    text_.push_back('"');
    text_.append(hash.Hex());
    text_.push_back('"');
    return *this;
  }
  Line& Rect(const platform::Rect& rect) {
    return Raw("[")
        .Int(rect.left)
        .Raw(",")
        .Int(rect.top)
        .Raw(",")
        .Int(rect.right)
        .Raw(",")
        .Int(rect.bottom)
        .Raw("]");
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

template <typename Sink>
void HashRect(Sink& hash, const platform::Rect& rect) {
  hash.Int(rect.left);
  hash.Int(rect.top);
  hash.Int(rect.right);
  hash.Int(rect.bottom);
}

void Player(Line& line) {
  line.Key("player").Raw("{").Key("heading").Float(controls.playerHeading);
  line.Raw(",").Key("thrust").Int(controls.playerThrust);
  line.Raw(",").Key("fire").Int(controls.fireToggle);
  line.Raw(",").Key("turn").Int(controls.turnPhase).Raw("}");
}

void Settings(Line& line) {
  line.Key("settings").Raw("{").Key("drones").Int(settings.droneCount);
  line.Raw(",").Key("jitter").Int(settings.explosionJitter);
  line.Raw(",").Key("particles").Int(settings.explosionParticles);
  line.Raw(",").Key("pickupSetting").Int(settings.pickupSetting);
  line.Raw(",").Key("shipCount").Int(world.shipCount);
  line.Raw(",").Key("pickupCount").Int(world.pickupCount).Raw("}");
}

// Every slot of the table as the last game built it.
void Ships(Line& line) {
  line.Key("ships").Raw("[");
  bool first = true;
  for (const auto& record : world.shipTable) {
    if (!first) line.Raw(",");
    first = false;
    if (!record) {
      line.Raw("null");
      continue;
    }
    const Ship& ship = *record;
    line.Raw("[").Int(ship.x).Raw(",").Int(ship.y).Raw(",").Float(ship.heading);
    line.Raw(",").Int(ship.speed).Raw(",").Int(ship.shield).Raw(",").Int(ship.power);
    line.Raw(",").Int(ship.alive).Raw(",").Int(ship.firing).Raw(",").Int(ship.launchMissile);
    line.Raw(",").Int(ship.missiles).Raw(",").Int(ship.target).Raw(",").Int(ship.index);
    line.Raw(",").Int(ship.score).Raw(",").Int(ship.spriteRowOffset).Raw(",");
    line.Rect(ship.spriteRect).Raw("]");
  }
  line.Raw("]");
}

void Shots(Line& line) {
  line.Key("shots").Raw("{").Key("next").Int(weapons.shotNext).Raw(",").Key("active").Raw("[");
  Fnv1a64 hash;
  bool first = true;
  for (int k = 0; k < kShotSlots; ++k) {
    const Shot& shot = weapons.shotRing[static_cast<std::size_t>(k)];
    const std::int32_t age = weapons.shotAge[static_cast<std::size_t>(k)];
    hash.Int(shot.x);
    hash.Int(shot.y);
    hash.Float(shot.heading);
    hash.Int(shot.speed);
    hash.Int(shot.active);
    hash.Int(shot.owner);
    hash.Int(age);
    if (shot.active != 1) continue;
    if (!first) line.Raw(",");
    first = false;
    line.Raw("[").Int(k).Raw(",").Int(shot.x).Raw(",").Int(shot.y).Raw(",").Float(shot.heading);
    line.Raw(",").Int(shot.speed).Raw(",").Int(shot.owner).Raw(",").Int(age).Raw("]");
  }
  line.Raw("],").Key("hash").Hash(hash).Raw("}");
}

void Missiles(Line& line) {
  line.Key("missiles").Raw("{").Key("next").Int(weapons.missileNext);
  line.Raw(",").Key("active").Raw("[");
  Fnv1a64 hash;
  bool first = true;
  for (int k = 0; k < kMissileSlots; ++k) {
    const Missile& missile = weapons.missileRing[static_cast<std::size_t>(k)];
    const std::int32_t age = weapons.missileAge[static_cast<std::size_t>(k)];
    hash.Float(missile.x);
    hash.Float(missile.y);
    hash.Float(missile.heading);
    hash.Int(missile.speed);
    hash.Float(missile.velocity);
    hash.Int(missile.active);
    hash.Int(missile.ownerIndex);
    hash.Int(missile.target);
    HashRect(hash, missile.spriteRect);
    hash.Int(age);
    if (missile.active != 1) continue;
    if (!first) line.Raw(",");
    first = false;
    line.Raw("[").Int(k).Raw(",").Float(missile.x).Raw(",").Float(missile.y);
    line.Raw(",").Float(missile.heading).Raw(",").Int(missile.speed);
    line.Raw(",").Float(missile.velocity).Raw(",").Int(missile.ownerIndex);
    line.Raw(",").Int(missile.target).Raw(",").Int(age).Raw(",").Rect(missile.spriteRect);
    line.Raw("]");
  }
  line.Raw("],").Key("hash").Hash(hash).Raw("}");
}

inline __attribute__((always_inline)) void HashParticle(Fnv1a64& hash,
                                                        const ExplosionSystem& system,
                                                        std::size_t j) {
  hash.Float(system.x[j]);
  hash.Float(system.y[j]);
  hash.Float(system.angle[j]);
  hash.Float(system.speed[j]);
  hash.Int(system.colour[j]);
}

// The particles an explosion's digest covers.
std::size_t HashedParticles(const ExplosionSystem& system) {
  return ParticlesHeld(system.count, {system.x.size(), system.y.size(), system.angle.size(),
                                      system.speed.size(), system.colour.size()});
}

// The digest of every occupied slot's particles. Four (or two) explosions at a time are fed side
// by side: each digest is one long chain of multiplications, and the processor works on several
// at once.
std::array<std::uint64_t, kExplosionSlots> ExplosionHashes() {
  std::array<std::uint64_t, kExplosionSlots> hashes{};
  std::array<std::size_t, kExplosionSlots> occupied{};
  std::size_t count = 0;
  for (std::size_t k = 0; k < kExplosionSlots; ++k) {
    if (effectState.explosionRing[k]) occupied[count++] = k;
  }
  std::size_t g = 0;
  for (; g + 4 <= count; g += 4) {
    const ExplosionSystem& a = *effectState.explosionRing[occupied[g]];
    const ExplosionSystem& b = *effectState.explosionRing[occupied[g + 1]];
    const ExplosionSystem& c = *effectState.explosionRing[occupied[g + 2]];
    const ExplosionSystem& d = *effectState.explosionRing[occupied[g + 3]];
    const std::size_t n[4] = {HashedParticles(a), HashedParticles(b), HashedParticles(c),
                              HashedParticles(d)};
    const std::size_t common = std::min(std::min(n[0], n[1]), std::min(n[2], n[3]));
    Fnv1a64 hashA;
    Fnv1a64 hashB;
    Fnv1a64 hashC;
    Fnv1a64 hashD;
    for (std::size_t j = 0; j < common; ++j) {
      HashParticle(hashA, a, j);
      HashParticle(hashB, b, j);
      HashParticle(hashC, c, j);
      HashParticle(hashD, d, j);
    }
    for (std::size_t j = common; j < n[0]; ++j) HashParticle(hashA, a, j);
    for (std::size_t j = common; j < n[1]; ++j) HashParticle(hashB, b, j);
    for (std::size_t j = common; j < n[2]; ++j) HashParticle(hashC, c, j);
    for (std::size_t j = common; j < n[3]; ++j) HashParticle(hashD, d, j);
    hashes[occupied[g]] = hashA.Value();
    hashes[occupied[g + 1]] = hashB.Value();
    hashes[occupied[g + 2]] = hashC.Value();
    hashes[occupied[g + 3]] = hashD.Value();
  }
  if (g + 2 <= count) {
    const ExplosionSystem& a = *effectState.explosionRing[occupied[g]];
    const ExplosionSystem& b = *effectState.explosionRing[occupied[g + 1]];
    const std::size_t n[2] = {HashedParticles(a), HashedParticles(b)};
    const std::size_t common = std::min(n[0], n[1]);
    Fnv1a64 hashA;
    Fnv1a64 hashB;
    for (std::size_t j = 0; j < common; ++j) {
      HashParticle(hashA, a, j);
      HashParticle(hashB, b, j);
    }
    for (std::size_t j = common; j < n[0]; ++j) HashParticle(hashA, a, j);
    for (std::size_t j = common; j < n[1]; ++j) HashParticle(hashB, b, j);
    hashes[occupied[g]] = hashA.Value();
    hashes[occupied[g + 1]] = hashB.Value();
    g += 2;
  }
  for (; g < count; ++g) {
    const ExplosionSystem& system = *effectState.explosionRing[occupied[g]];
    Fnv1a64 hash;
    const std::size_t n = HashedParticles(system);
    for (std::size_t j = 0; j < n; ++j) HashParticle(hash, system, j);
    hashes[occupied[g]] = hash.Value();
  }
  return hashes;
}

void Explosions(Line& line) {
  line.Key("explosions").Raw("{").Key("next").Int(effectState.explosionNext);
  line.Raw(",").Key("slots").Raw("[");
  const auto hashes = ExplosionHashes();
  bool first = true;
  for (int k = 0; k < kExplosionSlots; ++k) {
    const auto& system = effectState.explosionRing[static_cast<std::size_t>(k)];
    if (!system) continue;
    if (!first) line.Raw(",");
    first = false;
    line.Raw("[").Int(k).Raw(",").Int(system->count).Raw(",");
    line.Int(effectState.explosionAge[static_cast<std::size_t>(k)]).Raw(",");
    line.Hash(Fnv1a64(hashes[static_cast<std::size_t>(k)])).Raw("]");
  }
  line.Raw("]}");
}

// The words of one digest, gathered so that several digests can be worked out side by side.
class Words {
 public:
  void Clear() { words_.clear(); }
  void Int(std::int32_t value) { words_.push_back(static_cast<std::uint32_t>(value)); }
  void Float(float value) { words_.push_back(std::bit_cast<std::uint32_t>(value)); }
  std::span<const std::uint32_t> View() const { return words_; }

 private:
  std::vector<std::uint32_t> words_;
};

template <typename Sink>
void HashTrail(Sink& hash, const TrailSystem& trail) {
  hash.Float(trail.heading);
  hash.Int(trail.active);
  hash.Int(trail.baseColour);
  hash.Int(trail.capColour);
  hash.Int(trail.count);
  const std::size_t n = ParticlesHeld(
      trail.count,
      {trail.x.size(), trail.y.size(), trail.speed.size(), trail.colour.size(), trail.age.size()});
  for (std::size_t j = 0; j < n; ++j) {
    hash.Float(trail.x[j]);
    hash.Float(trail.y[j]);
    hash.Float(trail.speed[j]);
    hash.Int(trail.colour[j]);
    hash.Int(trail.age[j]);
  }
}

void HashStar(Words& hash, const Star& star) {
  hash.Float(star.x);
  hash.Float(star.y);
  hash.Int(star.speed);
  hash.Int(star.colour);
  hash.Float(star.heading);
  hash.Int(star.thrust);
}

// The digests of the exhaust trails, the missile trails, the stars and the pickups, worked out
// side by side from their words.
struct EffectDigests {
  Fnv1a64 exhaust;
  Fnv1a64 missile;
  Fnv1a64 stars;
  Fnv1a64 pickups;
};

EffectDigests DigestEffects() {
  // Kept from line to line, so that their storage is reused.
  static Words exhaust;
  static Words missile;
  static Words stars;
  static Words pickups;
  exhaust.Clear();
  missile.Clear();
  stars.Clear();
  pickups.Clear();
  for (const auto& trail : effectState.exhaustTrails) {
    if (trail) HashTrail(exhaust, *trail);
  }
  for (const auto& trail : effectState.missileTrails) {
    if (trail) HashTrail(missile, *trail);
  }
  for (const Star& star : effectState.stars) HashStar(stars, star);
  for (const Star& star : effectState.starTails) HashStar(stars, star);
  // Every slot of the table the last game built, whatever pickupCount says now.
  for (const auto& pickup : world.pickupTable) {
    if (!pickup) continue;
    pickups.Int(pickup->x);
    pickups.Int(pickup->y);
    pickups.Int(pickup->kind);
    HashRect(pickups, pickup->sourceRect);
  }
  const auto hashes =
      HashWordsSideBySide({exhaust.View(), missile.View(), stars.View(), pickups.View()});
  return {Fnv1a64(hashes[0]), Fnv1a64(hashes[1]), Fnv1a64(hashes[2]), Fnv1a64(hashes[3])};
}

void Trails(Line& line, const EffectDigests& digests) {
  line.Key("trails").Raw("{").Key("exhaust").Hash(digests.exhaust);
  line.Raw(",").Key("missile").Hash(digests.missile).Raw("}");
}

void Stars(Line& line, const EffectDigests& digests) {
  line.Key("stars").Hash(digests.stars);
}

void Pickups(Line& line, const EffectDigests& digests) {
  line.Key("pickups").Raw("{").Key("count").Int(world.pickupCount);
  line.Raw(",").Key("hash").Hash(digests.pickups).Raw("}");
}

void Menu(Line& line) {
  line.Key("menu")
      .Raw("{")
      .Key("cursor")
      .Raw("[")
      .Int(menuState.cursorX)
      .Raw(",")
      .Int(menuState.cursorY);
  line.Raw("],").Key("main").Int(menuState.mainMenuVisible);
  line.Raw(",").Key("options").Int(menuState.optionsVisible);
  line.Raw(",").Key("exit").Int(menuState.exitDialogVisible);
  line.Raw(",")
      .Key("saved")
      .Raw("[")
      .Int(menuState.savedJitter)
      .Raw(",")
      .Int(menuState.savedDroneCount);
  line.Raw(",").Int(menuState.savedExplosionParticles).Raw(",").Int(menuState.savedPickupSetting);
  line.Raw("]}");
}

void KeyList(Line& line, const std::uint8_t (&keys)[256]) {
  line.Raw("[");
  bool first = true;
  for (int code = 0; code < 256; ++code) {
    if (keys[code] == 0) continue;
    if (!first) line.Raw(",");
    first = false;
    line.Int(code);
  }
  line.Raw("]");
}

void ButtonList(Line& line, const std::uint8_t (&buttons)[3]) {
  line.Raw("[").Int(buttons[0]).Raw(",").Int(buttons[1]).Raw(",").Int(buttons[2]).Raw("]");
}

void Input(Line& line) {
  line.Key("input").Raw("{").Key("latched");
  KeyList(line, inputState.keyLatch);
  line.Raw(",").Key("released");
  KeyList(line, inputState.keyReleased);
  line.Raw(",").Key("buttonLatch");
  ButtonList(line, inputState.buttonLatch);
  line.Raw(",").Key("buttonReleased");
  ButtonList(line, inputState.buttonReleased);
  line.Raw("}");
}

void Blits(Line& line, bool frameRan) {
  const std::uint32_t count = frameRan ? frameRecord.blitCount : 0;
  const Fnv1a64 hash(frameRan ? frameRecord.blitHash : Fnv1a64::kOffsetBasis);
  line.Key("blits").Raw("{").Key("count").Int(count).Raw(",").Key("hash").Hash(hash).Raw("}");
}

void Boxes(Line& line, const std::vector<std::pair<std::string, std::string>>& boxes) {
  line.Key("boxes").Raw("[");
  bool first = true;
  for (const auto& [caption, text] : boxes) {
    if (!first) line.Raw(",");
    first = false;
    line.Raw("[").Raw(TraceString(caption)).Raw(",").Raw(TraceString(text)).Raw("]");
  }
  line.Raw("]");
}

}  // namespace

std::string TraceFloat(float value) {
  char buffer[kFloatTextSize];
  return std::string(buffer, ShortestFloatText(value, buffer));
}

std::string TraceString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
  return out;
}

namespace {

// The part of a surface the trace digests: at most 640x480 from its top left corner.
struct Visible {
  const std::uint8_t* pixels;
  std::size_t width;
  int height;
  int pitch;
};

Visible VisibleOf(const platform::Surface& surface) {
  const int width =
      surface.Width() < platform::kScreenWidth ? surface.Width() : platform::kScreenWidth;
  const int height =
      surface.Height() < platform::kScreenHeight ? surface.Height() : platform::kScreenHeight;
  return {surface.Pixels(), static_cast<std::size_t>(width > 0 ? width : 0), height,
          surface.Pitch()};
}

}  // namespace

std::uint64_t SurfaceHash(const platform::Surface* surface) {
  if (surface == nullptr) return Fnv1a64::kOffsetBasis;
  const Visible visible = VisibleOf(*surface);
  SparseFnv1a64 hash;
  const std::uint8_t* row = visible.pixels;
  for (int y = 0; y < visible.height; ++y) {
    hash.Bytes(row, visible.width);
    row += visible.pitch;
  }
  return hash.Value();
}

std::array<std::uint64_t, 2> SurfaceHashes(const platform::Surface* first,
                                           const platform::Surface* second) {
  if (first == nullptr || second == nullptr) return {SurfaceHash(first), SurfaceHash(second)};
  const Visible a = VisibleOf(*first);
  const Visible b = VisibleOf(*second);
  if (a.width != b.width || a.height != b.height) return {SurfaceHash(first), SurfaceHash(second)};
  // Both digests in one pass, each block of one beside the same block of the other.
  SparseFnv1a64 hashA;
  SparseFnv1a64 hashB;
  const std::uint8_t* rowA = a.pixels;
  const std::uint8_t* rowB = b.pixels;
  for (int y = 0; y < a.height; ++y) {
    std::size_t x = 0;
    for (; x + 64 <= a.width; x += 64) {
      const bool zeroA = SparseFnv1a64::AllZero64(rowA + x);
      const bool zeroB = SparseFnv1a64::AllZero64(rowB + x);
      if (zeroA) hashA.Zeros(64);
      if (zeroB) hashB.Zeros(64);
      if (zeroA && zeroB) continue;
      for (std::size_t k = x; k < x + 64; k += 8) {
        if (!zeroA) hashA.Eight(rowA + k);
        if (!zeroB) hashB.Eight(rowB + k);
      }
    }
    hashA.Bytes(rowA + x, a.width - x);
    hashB.Bytes(rowB + x, b.width - x);
    rowA += a.pitch;
    rowB += b.pitch;
  }
  return {hashA.Value(), hashB.Value()};
}

std::string TraceLine(std::int64_t tick, bool frameRan,
                      const std::vector<std::pair<std::string, std::string>>& boxes,
                      std::optional<int> exitStatus) {
  Line line;
  line.Raw("{").Key("tick").Int(tick);
  line.Raw(",").Key("frames").Int(static_cast<std::int64_t>(frameRecord.frames));
  line.Raw(",").Key("rng").Int(rng.state);
  line.Raw(",").Key("paused").Int(controls.paused).Raw(",");
  Player(line);
  line.Raw(",").Key("camera").Raw("[").Int(controls.cameraX).Raw(",").Int(controls.cameraY);
  line.Raw("],");
  Settings(line);
  line.Raw(",");
  Ships(line);
  line.Raw(",");
  Shots(line);
  line.Raw(",");
  Missiles(line);
  line.Raw(",");
  Explosions(line);
  line.Raw(",");
  const EffectDigests digests = DigestEffects();
  Trails(line, digests);
  line.Raw(",");
  Stars(line, digests);
  line.Raw(",");
  Pickups(line, digests);
  line.Raw(",");
  Menu(line);
  line.Raw(",");
  Input(line);
  const auto [pixels, screen] =
      SurfaceHashes(displayObjects.pixelLayer.get(), displayObjects.frontBuffer.get());
  line.Raw(",").Key("pixels").Hash(Fnv1a64(pixels)).Raw(",");
  Blits(line, frameRan);
  line.Raw(",").Key("screen").Hash(Fnv1a64(screen)).Raw(",");
  Boxes(line, boxes);
  if (exitStatus) line.Raw(",").Key("exit").Int(*exitStatus);
  line.Raw("}");
  return line.Take();
}

}  // namespace kelmora

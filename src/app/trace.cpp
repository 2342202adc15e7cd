#include "app/trace.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "app/trace_digests.h"
#include "core/float_text.h"
#include "core/hash.h"
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
    FeedRect(hash, missile.spriteRect);
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

// `hashes`: the occupied slots' digests, in slot order.
void Explosions(Line& line, const std::vector<std::uint64_t>& hashes) {
  line.Key("explosions").Raw("{").Key("next").Int(effectState.explosionNext);
  line.Raw(",").Key("slots").Raw("[");
  std::size_t occupied = 0;
  for (int k = 0; k < kExplosionSlots; ++k) {
    const auto& system = effectState.explosionRing[static_cast<std::size_t>(k)];
    if (!system) continue;
    if (occupied != 0) line.Raw(",");
    line.Raw("[").Int(k).Raw(",").Int(system->count).Raw(",");
    line.Int(effectState.explosionAge[static_cast<std::size_t>(k)]).Raw(",");
    line.Hash(Fnv1a64(hashes[occupied++])).Raw("]");
  }
  line.Raw("]}");
}

void Trails(Line& line, const RecordDigests& digests) {
  line.Key("trails").Raw("{").Key("exhaust").Hash(Fnv1a64(digests.effects[kExhaustTrails]));
  line.Raw(",").Key("missile").Hash(Fnv1a64(digests.effects[kMissileTrails])).Raw("}");
}

void Stars(Line& line, const RecordDigests& digests) {
  line.Key("stars").Hash(Fnv1a64(digests.effects[kStarField]));
}

void Pickups(Line& line, const RecordDigests& digests) {
  line.Key("pickups").Raw("{").Key("count").Int(world.pickupCount);
  line.Raw(",").Key("hash").Hash(Fnv1a64(digests.effects[kPickupTable])).Raw("}");
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

void Blits(Line& line, bool frameRan, const RecordDigests& digests) {
  const std::uint32_t count = frameRan ? frameRecord.blitCount : 0;
  line.Key("blits").Raw("{").Key("count").Int(count).Raw(",").Key("hash");
  line.Hash(Fnv1a64(digests.blits)).Raw("}");
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

std::string TraceLine(std::int64_t tick, bool frameRan,
                      const std::vector<std::pair<std::string, std::string>>& boxes,
                      std::optional<int> exitStatus) {
  static RecordDigests digests;  // its storage reused from line to line
  WorkOutRecordDigests(frameRan, &digests);
  const auto [pixels, screen] =
      SurfaceHashes(displayObjects.pixelLayer.get(), displayObjects.frontBuffer.get());

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
  Explosions(line, digests.explosions);
  line.Raw(",");
  Trails(line, digests);
  line.Raw(",");
  Stars(line, digests);
  line.Raw(",");
  Pickups(line, digests);
  line.Raw(",");
  Menu(line);
  line.Raw(",");
  Input(line);
  line.Raw(",").Key("pixels").Hash(Fnv1a64(pixels)).Raw(",");
  Blits(line, frameRan, digests);
  line.Raw(",").Key("screen").Hash(Fnv1a64(screen)).Raw(",");
  Boxes(line, boxes);
  if (exitStatus) line.Raw(",").Key("exit").Int(*exitStatus);
  line.Raw("}");
  return line.Take();
}

}  // namespace kelmora

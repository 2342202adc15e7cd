// All of the game's state, grouped by subsystem in a few plain records. Everything lives for the
// whole run; ResetGameState() puts every record back to its state before start-up, so each test
// and each headless run starts clean.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/numeric.h"
#include "platform/display.h"
#include "platform/input_devices.h"
#include "platform/types.h"
#include "resources/layout.h"

namespace kelmora {

using platform::Rect;

// A cell of the sprite sheet or the menu bitmap as the display addresses it.
constexpr Rect SheetRect(const layout::Rect& cell) {
  return Rect{cell.left, cell.top, cell.right, cell.bottom};
}

// ---------------------------------------------------------------------------------------------
// Settings: compiled-in defaults, edited only through the options panel.
struct GameSettings {
  std::int8_t droneCount = 12;  // 1..125
  std::int32_t humanCount = 1;
  std::int32_t playerNumber = 1;     // the player's ship is slot playerNumber - 1
  std::uint8_t explosionJitter = 1;  // 0/1
  std::int32_t trailParticles = 25;
  std::int32_t explosionParticles = 700;  // 10..5000
  std::int32_t pickupSetting = 250;       // 100..1500
};

// ---------------------------------------------------------------------------------------------
// Ships.
inline constexpr const char* kPlayerName = "Vy";
inline constexpr const char* kDroneName = "Drone";

struct Ship {
  virtual ~Ship() = default;
  virtual void Update() = 0;

  std::int16_t x = 0;
  std::int16_t y = 0;
  float heading = 0.0f;
  std::uint8_t speed = 0;
  std::uint8_t shield = 0;
  std::uint8_t power = 0;
  std::uint8_t alive = 0;
  std::uint8_t firing = 0;
  const char* name = "";
  std::uint8_t spriteRowOffset = 0;
  std::uint8_t launchMissile = 0;
  std::uint8_t missiles = 0;
  std::int8_t target = -1;
  std::uint8_t index = 0;
  Rect spriteRect{};
  std::uint16_t score = 0;
};

// Steered by the keyboard; its Update only chooses the sprite cell.
struct PlayerShip final : Ship {
  PlayerShip() { spriteRect = SheetRect(layout::ShipCell(layout::ShipRow::kPlayer, 0)); }
  void Update() override;
};

// The computer pilot.
struct DroneShip final : Ship {
  DroneShip() { spriteRect = SheetRect(layout::ShipCell(layout::ShipRow::kDrone, 0)); }
  void Update() override;

 private:
  void Evade();
};

// ---------------------------------------------------------------------------------------------
// Pickups: five kinds that differ only in the icon their Spawn chooses.
struct Pickup {
  virtual ~Pickup() = default;
  virtual void Spawn(std::uint8_t kind) = 0;

  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint8_t kind = 0;
  Rect sourceRect{};
};

// ---------------------------------------------------------------------------------------------
// The world: the ship table and the pickup table of the current game.
struct World {
  // droneCount + humanCount: computed from the defaults before start-up, and again by New Game.
  std::int32_t shipCount = GameSettings{}.droneCount + GameSettings{}.humanCount;
  std::vector<std::unique_ptr<Ship>> shipTable;
  std::int32_t pickupCount = 250;  // the number of pickups the running game uses
  std::vector<std::unique_ptr<Pickup>> pickupTable;
  // Counts the games built; a missile remembers the game it was launched in, so that a missile
  // from an earlier game can never reach a ship record that game released.
  std::uint32_t generation = 0;
};

// ---------------------------------------------------------------------------------------------
// The player's controls and the view.
struct Controls {
  float playerHeading = 0.0f;
  std::int32_t playerThrust = 0;
  std::uint8_t fireToggle = 0;
  std::uint8_t turnPhase = 0;
  std::int16_t cameraX = 0;
  std::int16_t cameraY = 0;
  std::uint8_t paused = 0;
};

// ---------------------------------------------------------------------------------------------
// Weapons: two fixed rings.
inline constexpr int kShotSlots = 100;
inline constexpr int kMissileSlots = 20;

struct Shot {
  std::int16_t x = 0;
  std::int16_t y = 0;
  float heading = 0.0f;
  std::int32_t speed = 0;
  std::uint8_t active = 0;
  std::uint8_t owner = 0;  // ShipTable slot of the firing ship
};

struct Missile {
  float x = 0.0f;
  float y = 0.0f;
  float heading = 0.0f;
  std::int32_t speed = 0;
  float velocity = 0.0f;
  std::uint8_t active = 0;
  // The launching ship is the ship in slot ownerIndex of the game ownerGeneration; see
  // MissileOwner() in game/weapons.h.
  std::int32_t ownerIndex = 0;
  std::uint32_t ownerGeneration = 0;
  Rect spriteRect{};
  std::int32_t target = 0;
};

struct Weapons {
  std::array<Shot, kShotSlots> shotRing{};
  std::int32_t shotNext = 0;
  std::array<std::int32_t, kShotSlots> shotAge{};
  std::array<Missile, kMissileSlots> missileRing{};
  std::int32_t missileNext = 0;
  std::array<std::int32_t, kMissileSlots> missileAge{};
};

// ---------------------------------------------------------------------------------------------
// Effects: stars, explosions and trails.
inline constexpr int kStarCount = 100;
inline constexpr int kExplosionSlots = 10;

struct Star {
  float x = 0.0f;
  float y = 0.0f;
  std::int32_t speed = 0;
  std::int32_t colour = 0;
  float heading = 0.0f;
  std::int32_t thrust = 0;
};

struct ExplosionSystem {
  std::int32_t count = 0;
  std::vector<float> x;
  std::vector<float> y;
  std::vector<float> angle;
  std::vector<float> speed;
  std::vector<std::int32_t> colour;
  std::uint8_t active = 0;
  // Which explosion this is: the number of explosions made before it, plus one (0 for a record
  // made outside SpawnExplosion). Not part of the game's state; the pass keeps the sines and
  // cosines of its directions by it.
  std::uint64_t serial = 0;
};

class TrailSystem {
 public:
  explicit TrailSystem(std::int32_t particles);
  ~TrailSystem();
  TrailSystem(const TrailSystem&) = delete;
  TrailSystem& operator=(const TrailSystem&) = delete;

  std::int32_t count = 0;
  std::vector<float> x;
  std::vector<float> y;
  float heading = 0.0f;
  std::vector<float> speed;
  std::vector<std::int32_t> colour;
  std::uint8_t active = 0;
  std::vector<std::int32_t> age;
  std::int32_t baseColour = 0;
  std::int32_t capColour = 0;
};

struct Effects {
  Effects();  // builds the twenty missile trails, as the program does before start-up
  std::array<Star, kStarCount> stars{};
  std::array<Star, kStarCount> starTails{};
  std::array<std::unique_ptr<ExplosionSystem>, kExplosionSlots> explosionRing;
  std::array<std::int32_t, kExplosionSlots> explosionAge{};
  std::int32_t explosionNext = 0;
  std::vector<std::unique_ptr<TrailSystem>> exhaustTrails;
  std::array<std::unique_ptr<TrailSystem>, kMissileSlots> missileTrails;
};

// ---------------------------------------------------------------------------------------------
// Menus.
struct MenuState {
  std::int16_t cursorX = 320;
  std::int16_t cursorY = 240;
  std::uint8_t mainMenuVisible = 1;
  std::uint8_t optionsVisible = 0;
  std::uint8_t exitDialogVisible = 0;
  std::uint8_t savedJitter = 0;
  std::int8_t savedDroneCount = 0;
  std::int32_t savedExplosionParticles = 0;
  std::int32_t savedPickupSetting = 0;
};

// ---------------------------------------------------------------------------------------------
// Input: the devices and the arrays the game reads.
struct InputState {
  platform::WindowHandle window = 0;
  std::unique_ptr<platform::DirectInput> directInput;
  std::unique_ptr<platform::InputDevice> keyboardDevice;
  std::unique_ptr<platform::InputDevice> mouseDevice;
  platform::HRESULT lastResult = 0;
  std::uint8_t keyHeld[256] = {};
  std::uint8_t keyReleased[256] = {};
  std::uint8_t keyLatch[256] = {};
  platform::MouseState mouseState{};
  std::uint8_t buttonLatch[3] = {};
  std::uint8_t buttonReleased[3] = {};
};

// ---------------------------------------------------------------------------------------------
// Display objects; each is absent until created and absent again after release.
struct Display {
  std::unique_ptr<platform::DirectDraw> directDraw;
  std::unique_ptr<platform::Surface> frontBuffer;
  platform::Surface* backBuffer = nullptr;  // owned by frontBuffer
  std::unique_ptr<platform::Surface> sheetSurface;
  std::unique_ptr<platform::Surface> guiSurface;
  std::unique_ptr<platform::Surface> pixelLayer;
  std::unique_ptr<platform::Palette> palette;
  std::unique_ptr<platform::Clipper> clipper;
};

// ---------------------------------------------------------------------------------------------
// The shell: the window, activation and how the program ends.
struct AppState {
  platform::WindowHandle mainWindow = 0;
  std::uint32_t appActive = 0;
  // 1 once start-up failed or a failed device read ended the game; the program's exit status.
  int exitStatus = 0;
};

// What the current frame asked of the display, kept for the headless runner's trace.
struct FrameRecord {
  std::uint64_t frames = 0;  // GameFrame calls so far
  std::uint32_t blitCount = 0;
  // The frame's blits, each as the ten words its digest is fed (see BlitDigest).
  std::vector<std::uint32_t> blitWords;
  // Whether blitWords is kept. Only a trace reads it; programs that write none (the game itself,
  // the benchmarks) switch it off, since the digest of a few thousand blits a frame costs more
  // than drawing them.
  bool hashBlits = true;
};

// ---------------------------------------------------------------------------------------------
// The records.
extern RandomGenerator rng;
extern GameSettings settings;
extern World world;
extern Controls controls;
extern Weapons weapons;
extern Effects effectState;
extern MenuState menuState;
extern InputState inputState;
extern Display displayObjects;
extern AppState appState;
extern FrameRecord frameRecord;

// Puts every record back to its state before start-up (settings at their defaults, shipCount
// computed from them, rings empty, missile trails built).
void ResetGameState();

// The ship in a slot that the caller knows exists.
inline Ship& ShipRecord(std::int32_t slot) {
  return *world.shipTable[static_cast<std::size_t>(slot)];
}

// The player's ship: ShipTable[playerNumber - 1].
inline Ship& PlayerShipRecord() {
  return ShipRecord(settings.playerNumber - 1);
}

// The player's ship, or null while the table does not hold it (before the first game).
inline Ship* PlayerOrNull() {
  const std::int32_t slot = settings.playerNumber - 1;
  if (slot < 0 || slot >= static_cast<std::int32_t>(world.shipTable.size())) return nullptr;
  return world.shipTable[static_cast<std::size_t>(slot)].get();
}

// The ship slots that both the table and shipCount agree exist.
inline std::int32_t ShipSlots() {
  const auto tableSize = static_cast<std::int32_t>(world.shipTable.size());
  return world.shipCount < tableSize ? world.shipCount : tableSize;
}

// The ship in `slot`, or null where the game has no such slot (a shot or a target can name a slot
// of an earlier, larger table).
inline Ship* ShipOrNull(std::int32_t slot) {
  if (slot < 0 || slot >= ShipSlots()) return nullptr;
  return world.shipTable[static_cast<std::size_t>(slot)].get();
}

// The pickup slots that both the table and pickupCount agree exist.
inline std::int32_t PickupSlots() {
  const auto tableSize = static_cast<std::int32_t>(world.pickupTable.size());
  return world.pickupCount < tableSize ? world.pickupCount : tableSize;
}

}  // namespace kelmora

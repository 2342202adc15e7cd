// Compiled-in defaults a run may start with instead: the options panel's four values, given by
// the headless runner's --set, a demo's `set` lines or the game's remembered settings. They are
// applied before anything is computed from them, so the first game's shipCount follows.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kelmora {

struct StartSetting {
  std::string name;  // drones, jitter, particles or pickups
  std::int64_t value = 0;
  friend bool operator==(const StartSetting&, const StartSetting&) = default;
};

struct StartSettingRange {
  std::string_view name;
  std::int64_t low;
  std::int64_t high;
  std::int64_t compiledIn;
};
inline constexpr StartSettingRange kStartSettingRanges[] = {
    {"drones", 1, 125, 12},
    {"jitter", 0, 1, 1},
    {"particles", 10, 5000, 700},
    {"pickups", 100, 1500, 250},
};

// Reads "NAME=VALUE". On a bad name or a value out of its range returns nothing, with `error`
// saying why.
std::optional<StartSetting> ParseStartSetting(std::string_view text, std::string* error);

// Changes the compiled-in defaults (pickups sets both pickupSetting and pickupCount), then
// computes shipCount from them. Later settings of a name win.
void ApplyStartSettings(const std::vector<StartSetting>& changes);

// The settings that differ from the compiled-in defaults, in the order of kStartSettingRanges,
// for drones, jitter, particles and pickups as given.
std::vector<StartSetting> ChangedStartSettings(std::int64_t drones, std::int64_t jitter,
                                               std::int64_t particles, std::int64_t pickups);

// A demo's line for one setting ("set drones=40"), with its newline.
void WriteStartSetting(std::ostream& out, const StartSetting& setting);

}  // namespace kelmora

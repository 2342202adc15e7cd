#include "app/start_settings.h"

#include "app/script.h"
#include "game/world.h"
#include "state/state.h"

namespace kelmora {

std::optional<StartSetting> ParseStartSetting(std::string_view text, std::string* error) {
  const auto equals = text.find('=');
  if (equals == std::string_view::npos) {
    *error = "takes NAME=VALUE, not '" + std::string(text) + "'";
    return std::nullopt;
  }
  const std::string_view name = text.substr(0, equals);
  const std::string_view value = text.substr(equals + 1);
  for (const StartSettingRange& range : kStartSettingRanges) {
    if (range.name != name) continue;
    std::int64_t number = 0;
    if (!ParseWholeNumber(value, false, range.low, range.high, &number)) {
      *error = std::string(name) + " takes a value from " + std::to_string(range.low) + " to " +
               std::to_string(range.high) + ", not '" + std::string(value) + "'";
      return std::nullopt;
    }
    return StartSetting{std::string(name), number};
  }
  *error = "knows no setting '" + std::string(name) + "'";
  return std::nullopt;
}

void ApplyStartSettings(const std::vector<StartSetting>& changes) {
  for (const StartSetting& change : changes) {
    if (change.name == "drones") {
      settings.droneCount = static_cast<std::int8_t>(change.value);
    } else if (change.name == "jitter") {
      settings.explosionJitter = static_cast<std::uint8_t>(change.value);
    } else if (change.name == "particles") {
      settings.explosionParticles = static_cast<std::int32_t>(change.value);
    } else if (change.name == "pickups") {
      settings.pickupSetting = static_cast<std::int32_t>(change.value);
      world.pickupCount = static_cast<std::int32_t>(change.value);
    }
  }
  ComputeShipCount();
}

std::vector<StartSetting> ChangedStartSettings(std::int64_t drones, std::int64_t jitter,
                                               std::int64_t particles, std::int64_t pickups) {
  const std::int64_t values[] = {drones, jitter, particles, pickups};
  std::vector<StartSetting> changed;
  for (std::size_t i = 0; i < std::size(kStartSettingRanges); ++i) {
    if (values[i] != kStartSettingRanges[i].compiledIn) {
      changed.push_back(StartSetting{std::string(kStartSettingRanges[i].name), values[i]});
    }
  }
  return changed;
}

void WriteStartSetting(std::ostream& out, const StartSetting& setting) {
  out << "set " << setting.name << '=' << setting.value << '\n';
}

}  // namespace kelmora

#include "platform/faults.h"

#include <limits>

#include <array>

namespace kelmora::platform {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(Fault::kCount)> kNames = {
    "window",
    "display-create",
    "query-interface",
    "cooperative-level",
    "display-mode",
    "create-surface",
    "attached-surface",
    "sheet-bitmap",
    "pixel-layer",
    "gui-bitmap",
    "input-create",
    "keyboard-create",
    "keyboard-format",
    "keyboard-cooperative",
    "keyboard-acquire",
    "mouse-create",
    "mouse-format",
    "mouse-cooperative",
    "mouse-acquire",
    "keyboard",
    "mouse",
    "lock",
    "flip-lost",
    "flip-busy",
    "blit-busy",
    "memory-dc",
    "surface-dc",
    "palette-create",
    "resource-lock",
    "allocation",
};

std::array<int, static_cast<std::size_t>(Fault::kCount)> armed{};

}  // namespace

void ArmFault(Fault fault, int count) {
  auto& pending = armed[static_cast<std::size_t>(fault)];
  // Counts add up, but never beyond what the count can hold.
  if (count > 0)
    pending = count < std::numeric_limits<int>::max() - pending ? pending + count
                                                                : std::numeric_limits<int>::max();
}

bool ConsumeFault(Fault fault) {
  auto& pending = armed[static_cast<std::size_t>(fault)];
  if (pending <= 0) return false;
  --pending;
  return true;
}

int PendingFaults(Fault fault) {
  return armed[static_cast<std::size_t>(fault)];
}

void ClearFaults() {
  armed.fill(0);
}

std::optional<Fault> FaultFromName(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (kNames[i] == name) return static_cast<Fault>(i);
  }
  return std::nullopt;
}

std::string_view FaultName(Fault fault) {
  return kNames[static_cast<std::size_t>(fault)];
}

}  // namespace kelmora::platform

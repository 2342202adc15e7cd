// The keyboard as the game knows it: every key of a standard keyboard by its host scancode, with
// the scan code the keyboard device reports for it and the virtual-key code its key-down message
// carries.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <span>

namespace kelmora::platform {

struct KeyEntry {
  SDL_Scancode scancode;
  std::uint8_t dik;  // index in the keyboard device state
  std::uint8_t vk;   // virtual-key code of WM_KEYDOWN; 0 for none
};

// Every key the game's keyboard device knows, one entry per host scancode.
std::span<const KeyEntry> KeyTable();

// The device scan code of a host key, or 0 for a key the device does not report.
std::uint8_t DikForScancode(SDL_Scancode scancode);
// The virtual-key code of a host key, or 0. Letters follow the keyboard layout (the key that
// types "a" is VK 'A' wherever it sits); every other key goes by its position.
std::uint32_t VkForKey(SDL_Scancode scancode, SDL_Keycode keycode);
// The virtual-key code of a scan code (by position), or 0.
std::uint32_t VkForDik(std::uint8_t dik);
// System keys (Alt, F10) give no WM_KEYDOWN: the system takes them.
bool IsSystemKey(SDL_Scancode scancode);

}  // namespace kelmora::platform

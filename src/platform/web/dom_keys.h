// The keyboard as the game knows it, from the page's side: every key by the DOM's `code` (the
// key's position on the keyboard), with the scan code the keyboard device reports for it and the
// virtual-key code of its key-down message. The same keys and codes as on the desktop.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelmora::platform {

struct DomKey {
  std::string_view code;  // KeyboardEvent.code
  std::uint8_t dik;       // index in the keyboard device state
  std::uint8_t vk;        // virtual-key code of WM_KEYDOWN; 0 for none
};

std::span<const DomKey> DomKeyTable();

// The entry of a DOM key code, or nullptr for a key the game's keyboard does not know.
const DomKey* FindDomKey(std::string_view code);
// The virtual-key code of a key: letters follow the keyboard layout (the key that types "a" is
// VK 'A' wherever it sits, `key` being KeyboardEvent.key); every other key goes by its position.
std::uint32_t VkForDomKey(std::string_view code, std::string_view key);
// System keys (Alt, F10) give no WM_KEYDOWN: the system takes them.
bool IsSystemDomKey(std::string_view code);
// Keys the page keeps for itself even while the game has the focus: reloading, the browser's
// full screen and its developer tools.
bool IsBrowserDomKey(std::string_view code);

}  // namespace kelmora::platform

#include "platform/web/dom_keys.h"

namespace kelmora::platform {

namespace {

// Scan codes are the keyboard's own set-1 codes (extended keys with bit 7 set); virtual-key codes
// are the system's. Letters and digits have their character as virtual-key code.
constexpr DomKey kKeys[] = {
    {"Escape", 0x01, 0x1B},
    {"Digit1", 0x02, '1'},
    {"Digit2", 0x03, '2'},
    {"Digit3", 0x04, '3'},
    {"Digit4", 0x05, '4'},
    {"Digit5", 0x06, '5'},
    {"Digit6", 0x07, '6'},
    {"Digit7", 0x08, '7'},
    {"Digit8", 0x09, '8'},
    {"Digit9", 0x0A, '9'},
    {"Digit0", 0x0B, '0'},
    {"Minus", 0x0C, 0xBD},
    {"Equal", 0x0D, 0xBB},
    {"Backspace", 0x0E, 0x08},
    {"Tab", 0x0F, 0x09},
    {"KeyQ", 0x10, 'Q'},
    {"KeyW", 0x11, 'W'},
    {"KeyE", 0x12, 'E'},
    {"KeyR", 0x13, 'R'},
    {"KeyT", 0x14, 'T'},
    {"KeyY", 0x15, 'Y'},
    {"KeyU", 0x16, 'U'},
    {"KeyI", 0x17, 'I'},
    {"KeyO", 0x18, 'O'},
    {"KeyP", 0x19, 'P'},
    {"BracketLeft", 0x1A, 0xDB},
    {"BracketRight", 0x1B, 0xDD},
    {"Enter", 0x1C, 0x0D},
    {"ControlLeft", 0x1D, 0x11},
    {"KeyA", 0x1E, 'A'},
    {"KeyS", 0x1F, 'S'},
    {"KeyD", 0x20, 'D'},
    {"KeyF", 0x21, 'F'},
    {"KeyG", 0x22, 'G'},
    {"KeyH", 0x23, 'H'},
    {"KeyJ", 0x24, 'J'},
    {"KeyK", 0x25, 'K'},
    {"KeyL", 0x26, 'L'},
    {"Semicolon", 0x27, 0xBA},
    {"Quote", 0x28, 0xDE},
    {"Backquote", 0x29, 0xC0},
    {"ShiftLeft", 0x2A, 0x10},
    {"Backslash", 0x2B, 0xDC},
    {"KeyZ", 0x2C, 'Z'},
    {"KeyX", 0x2D, 'X'},
    {"KeyC", 0x2E, 'C'},
    {"KeyV", 0x2F, 'V'},
    {"KeyB", 0x30, 'B'},
    {"KeyN", 0x31, 'N'},
    {"KeyM", 0x32, 'M'},
    {"Comma", 0x33, 0xBC},
    {"Period", 0x34, 0xBE},
    {"Slash", 0x35, 0xBF},
    {"ShiftRight", 0x36, 0x10},
    {"NumpadMultiply", 0x37, 0x6A},
    {"AltLeft", 0x38, 0x12},
    {"Space", 0x39, 0x20},
    {"CapsLock", 0x3A, 0x14},
    {"F1", 0x3B, 0x70},
    {"F2", 0x3C, 0x71},
    {"F3", 0x3D, 0x72},
    {"F4", 0x3E, 0x73},
    {"F5", 0x3F, 0x74},
    {"F6", 0x40, 0x75},
    {"F7", 0x41, 0x76},
    {"F8", 0x42, 0x77},
    {"F9", 0x43, 0x78},
    {"F10", 0x44, 0x79},
    {"NumLock", 0x45, 0x90},
    {"ScrollLock", 0x46, 0x91},
    {"Numpad7", 0x47, 0x67},
    {"Numpad8", 0x48, 0x68},
    {"Numpad9", 0x49, 0x69},
    {"NumpadSubtract", 0x4A, 0x6D},
    {"Numpad4", 0x4B, 0x64},
    {"Numpad5", 0x4C, 0x65},
    {"Numpad6", 0x4D, 0x66},
    {"NumpadAdd", 0x4E, 0x6B},
    {"Numpad1", 0x4F, 0x61},
    {"Numpad2", 0x50, 0x62},
    {"Numpad3", 0x51, 0x63},
    {"Numpad0", 0x52, 0x60},
    {"NumpadDecimal", 0x53, 0x6E},
    {"IntlBackslash", 0x56, 0xE2},
    {"F11", 0x57, 0x7A},
    {"F12", 0x58, 0x7B},
    {"F13", 0x64, 0x7C},
    {"F14", 0x65, 0x7D},
    {"F15", 0x66, 0x7E},
    {"KanaMode", 0x70, 0x15},    // kana
    {"IntlRo", 0x73, 0xC1},      // the Brazilian /? key
    {"Convert", 0x79, 0x1C},     // convert
    {"NonConvert", 0x7B, 0x1D},  // no convert
    {"IntlYen", 0x7D, 0xDC},     // yen
    {"NumpadComma", 0xB3, 0xC2},
    {"NumpadEqual", 0x8D, 0x92},
    {"MediaTrackPrevious", 0x90, 0xB1},
    {"MediaTrackNext", 0x99, 0xB0},
    {"NumpadEnter", 0x9C, 0x0D},
    {"ControlRight", 0x9D, 0x11},
    {"AudioVolumeMute", 0xA0, 0xAD},
    {"LaunchApp2", 0xA1, 0xB7},
    {"MediaPlayPause", 0xA2, 0xB3},
    {"MediaStop", 0xA4, 0xB2},
    {"AudioVolumeDown", 0xAE, 0xAE},
    {"AudioVolumeUp", 0xB0, 0xAF},
    {"BrowserHome", 0xB2, 0xAC},
    {"NumpadDivide", 0xB5, 0x6F},
    {"PrintScreen", 0xB7, 0x2C},
    {"AltRight", 0xB8, 0x12},
    {"Pause", 0xC5, 0x13},
    {"Home", 0xC7, 0x24},
    {"ArrowUp", 0xC8, 0x26},
    {"PageUp", 0xC9, 0x21},
    {"ArrowLeft", 0xCB, 0x25},
    {"ArrowRight", 0xCD, 0x27},
    {"End", 0xCF, 0x23},
    {"ArrowDown", 0xD0, 0x28},
    {"PageDown", 0xD1, 0x22},
    {"Insert", 0xD2, 0x2D},
    {"Delete", 0xD3, 0x2E},
    {"MetaLeft", 0xDB, 0x5B},
    {"MetaRight", 0xDC, 0x5C},
    {"ContextMenu", 0xDD, 0x5D},
    {"Power", 0xDE, 0},
    {"Sleep", 0xDF, 0x5F},
    {"BrowserSearch", 0xE5, 0xAA},
    {"BrowserFavorites", 0xE6, 0xAB},
    {"BrowserRefresh", 0xE7, 0xA8},
    {"BrowserStop", 0xE8, 0xA9},
    {"BrowserForward", 0xE9, 0xA7},
    {"BrowserBack", 0xEA, 0xA6},
    {"LaunchApp1", 0xEB, 0xB6},
    {"LaunchMail", 0xEC, 0xB4},
    {"MediaSelect", 0xED, 0xB5},
    {"OSLeft", 0xDB, 0x5B},  // older browsers' names of the Meta keys
    {"OSRight", 0xDC, 0x5C},
};

}  // namespace

std::span<const DomKey> DomKeyTable() {
  return kKeys;
}

const DomKey* FindDomKey(std::string_view code) {
  for (const DomKey& entry : kKeys) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

std::uint32_t VkForDomKey(std::string_view code, std::string_view key) {
  if (key.size() == 1) {
    const char c = key[0];
    if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c);
  }
  const DomKey* entry = FindDomKey(code);
  return entry != nullptr ? entry->vk : 0;
}

bool IsSystemDomKey(std::string_view code) {
  return code == "AltLeft" || code == "AltRight" || code == "F10";
}

bool IsBrowserDomKey(std::string_view code) {
  return code == "F5" || code == "F11" || code == "BrowserRefresh";
}

}  // namespace kelmora::platform

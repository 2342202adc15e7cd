#include "platform/sdl/bindings.h"

#include "platform/sdl/keys.h"

namespace kelmora::platform {

bool IsReservedKey(SDL_Scancode scancode) {
  return scancode == SDL_SCANCODE_ESCAPE || scancode == SDL_SCANCODE_F1 ||
         scancode == SDL_SCANCODE_F12 || scancode == SDL_SCANCODE_F9 || scancode == SDL_SCANCODE_M;
}

KeyBindings::KeyBindings() {
  for (int s = 0; s < SDL_NUM_SCANCODES; ++s) {
    codes_[static_cast<std::size_t>(s)] = DikForScancode(static_cast<SDL_Scancode>(s));
  }
}

KeyBindings KeyBindings::From(std::span<const KeyBinding> bindings,
                              std::vector<BindingWarning>* warnings) {
  const std::size_t count = bindings.size();
  std::vector<SDL_Scancode> own(count);
  std::vector<SDL_Scancode> chosen(count);
  for (std::size_t b = 0; b < count; ++b) {
    own[b] = SDL_GetScancodeFromName(std::string(bindings[b].defaultName).c_str());
    chosen[b] = SDL_GetScancodeFromName(bindings[b].name.c_str());
    const std::string keeps = "; " + std::string(bindings[b].action) + " stays on " +
                              std::string(bindings[b].defaultName);
    if (chosen[b] == SDL_SCANCODE_UNKNOWN) {
      warnings->push_back({b, "no key is named '" + bindings[b].name + "'" + keeps});
      chosen[b] = own[b];
    } else if (chosen[b] != own[b] && IsReservedKey(chosen[b])) {
      warnings->push_back(
          {b, std::string(SDL_GetScancodeName(chosen[b])) + " keeps its own meaning" + keeps});
      chosen[b] = own[b];
    }
  }
  // A key bound twice: the actions that moved onto it go back to their own keys, until no key
  // is left with two actions (the own keys all differ, so this ends).
  for (bool again = true; again;) {
    again = false;
    for (std::size_t a = 0; a < count; ++a) {
      for (std::size_t b = 0; b < count; ++b) {
        if (a == b || chosen[a] != chosen[b] || chosen[b] == own[b]) continue;
        warnings->push_back({b, std::string(SDL_GetScancodeName(chosen[b])) + " is bound twice; " +
                                    std::string(bindings[b].action) + " stays on " +
                                    std::string(bindings[b].defaultName)});
        chosen[b] = own[b];
        again = true;
      }
    }
  }
  KeyBindings result;
  for (std::size_t b = 0; b < count; ++b) {
    if (chosen[b] != own[b]) result.codes_[static_cast<std::size_t>(own[b])] = 0;
  }
  for (std::size_t b = 0; b < count; ++b) {
    result.codes_[static_cast<std::size_t>(chosen[b])] = DikForScancode(own[b]);
  }
  return result;
}

std::uint8_t KeyBindings::Translate(SDL_Scancode scancode) const {
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return codes_[static_cast<std::size_t>(scancode)];
}

}  // namespace kelmora::platform

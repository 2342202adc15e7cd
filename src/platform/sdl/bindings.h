// Keys the player moves: each action of the game's keyboard (turning, thrust, fire, missile,
// pause) may sit on another key. The game still reads its own scan codes: a key bound to an
// action reports that action's scan code, and the action's own key reports nothing, so the
// rules, the trace and recorded demos never see the binding.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelmora::platform {

struct KeyBinding {
  std::string_view action;       // for warnings: "key.fire"
  std::string_view defaultName;  // the action's own key, an SDL key name ("Space")
  std::string name;              // the key the player chose, an SDL key name
};

struct BindingWarning {
  std::size_t binding;  // which of the bindings
  std::string text;
};

class KeyBindings {
 public:
  KeyBindings();  // every key reports its own scan code
  // A name SDL does not know, a key the program keeps for itself (Escape, F1, F12, F9, M) or a
  // key bound twice gives a warning and leaves that action on its own key.
  static KeyBindings From(std::span<const KeyBinding> bindings,
                          std::vector<BindingWarning>* warnings);

  // The game's scan code for a host key: its own, or the action's it is bound to; 0 for none.
  std::uint8_t Translate(SDL_Scancode scancode) const;

 private:
  std::array<std::uint8_t, SDL_NUM_SCANCODES> codes_{};
};

// The keys the program keeps for itself: the game's window keys and the program's own.
bool IsReservedKey(SDL_Scancode scancode);

}  // namespace kelmora::platform

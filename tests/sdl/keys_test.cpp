// The keyboard table: every key of a standard keyboard reaches the game under its own scan code,
// and the keys the game acts on carry the codes it reads.
#include <gtest/gtest.h>

#include <set>

#include "platform/sdl/keys.h"
#include "platform/types.h"
#include "platform/web/dom_keys.h"

namespace kelmora::platform {
namespace {

TEST(SdlKeys, EveryKeyOfAStandardKeyboardHasItsOwnScanCode) {
  std::set<int> scancodes;
  std::set<int> diks;
  for (const KeyEntry& entry : KeyTable()) {
    EXPECT_TRUE(scancodes.insert(entry.scancode).second) << "scancode " << entry.scancode;
    EXPECT_TRUE(diks.insert(entry.dik).second) << "scan code " << int{entry.dik};
    EXPECT_NE(entry.dik, 0) << "scancode " << entry.scancode;
  }
  // A 105-key keyboard: letters, digits, punctuation, function keys, modifiers, editing and
  // cursor keys, the keypad.
  std::vector<SDL_Scancode> standard;
  for (int s = SDL_SCANCODE_A; s <= SDL_SCANCODE_SLASH; ++s) {
    standard.push_back(static_cast<SDL_Scancode>(s));
  }
  for (int s = SDL_SCANCODE_CAPSLOCK; s <= SDL_SCANCODE_KP_PERIOD; ++s) {
    standard.push_back(static_cast<SDL_Scancode>(s));
  }
  for (int s = SDL_SCANCODE_LCTRL; s <= SDL_SCANCODE_RGUI; ++s) {
    standard.push_back(static_cast<SDL_Scancode>(s));
  }
  standard.push_back(SDL_SCANCODE_NONUSBACKSLASH);
  standard.push_back(SDL_SCANCODE_APPLICATION);
  for (SDL_Scancode scancode : standard) {
    if (scancode == SDL_SCANCODE_NONUSHASH) continue;  // the same key as the backslash
    EXPECT_NE(DikForScancode(scancode), 0) << SDL_GetScancodeName(scancode);
  }
}

TEST(SdlKeys, TheGamesKeysHaveTheCodesItReads) {
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_LEFT), DIK_LEFT);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_RIGHT), DIK_RIGHT);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_UP), DIK_UP);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_DOWN), DIK_DOWN);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_SPACE), DIK_SPACE);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_LALT), DIK_LMENU);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_P), DIK_P);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_ESCAPE), DIK_ESCAPE);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_F1), DIK_F1);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_F12), DIK_F12);
  // The right Alt is another key: it launches nothing.
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_RALT), 0xB8);
  // The cursor keys are not the keypad's digits.
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_KP_4), 0x4B);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_KP_ENTER), 0x9C);
  EXPECT_EQ(DikForScancode(SDL_SCANCODE_UNKNOWN), 0);
  EXPECT_EQ(DikForScancode(static_cast<SDL_Scancode>(SDL_NUM_SCANCODES)), 0);
}

TEST(SdlKeys, KeyDownMessagesCarryVirtualKeys) {
  EXPECT_EQ(VkForKey(SDL_SCANCODE_ESCAPE, SDLK_ESCAPE), VK_ESCAPE);
  EXPECT_EQ(VkForKey(SDL_SCANCODE_F1, SDLK_F1), VK_F1);
  EXPECT_EQ(VkForKey(SDL_SCANCODE_F12, SDLK_F12), VK_F12);
  EXPECT_EQ(VkForKey(SDL_SCANCODE_SPACE, SDLK_SPACE), 0x20u);
  EXPECT_EQ(VkForKey(SDL_SCANCODE_LEFT, SDLK_LEFT), 0x25u);
  // Letters follow the layout: the key that types "a" on a French keyboard sits where Q is.
  EXPECT_EQ(VkForKey(SDL_SCANCODE_Q, SDLK_a), static_cast<std::uint32_t>('A'));
  EXPECT_EQ(VkForKey(SDL_SCANCODE_P, SDLK_p), static_cast<std::uint32_t>('P'));
  EXPECT_EQ(VkForDik(DIK_F1), VK_F1);
  EXPECT_EQ(VkForDik(DIK_P), static_cast<std::uint32_t>('P'));
  EXPECT_TRUE(IsSystemKey(SDL_SCANCODE_LALT));
  EXPECT_TRUE(IsSystemKey(SDL_SCANCODE_F10));
  EXPECT_FALSE(IsSystemKey(SDL_SCANCODE_ESCAPE));
}

TEST(SdlKeys, ThePagesKeysAreTheDesktopsKeys) {
  // Every key of the desktop's table is in the page's under its DOM code, with the same scan
  // code and virtual key, and the page knows no other (beside older names of the same keys).
  std::set<std::pair<int, int>> desktop;
  for (const KeyEntry& entry : KeyTable()) desktop.insert({entry.dik, entry.vk});
  std::set<std::pair<int, int>> page;
  for (const DomKey& entry : DomKeyTable()) page.insert({entry.dik, entry.vk});
  EXPECT_EQ(page, desktop);
  EXPECT_EQ(DomKeyTable().size(), KeyTable().size() + 2);
  EXPECT_EQ(FindDomKey("KeyA")->dik, DikForScancode(SDL_SCANCODE_A));
  EXPECT_EQ(FindDomKey("NumpadEnter")->dik, DikForScancode(SDL_SCANCODE_KP_ENTER));
  EXPECT_EQ(FindDomKey("IntlBackslash")->dik, DikForScancode(SDL_SCANCODE_NONUSBACKSLASH));
}

}  // namespace
}  // namespace kelmora::platform

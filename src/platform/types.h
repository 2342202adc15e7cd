// Values shared between the game and its platform layer: result codes, rectangles, window
// messages, key codes and the flags of the display and input calls the game makes.
#pragma once

#include <cstdint>

namespace kelmora::platform {

// ---------------------------------------------------------------------------------------------
// Result codes. Negative values are failures.
using HRESULT = std::int32_t;

inline constexpr HRESULT DD_OK = 0;
inline constexpr HRESULT DI_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT DDERR_GENERIC = E_FAIL;
inline constexpr HRESULT DDERR_INVALIDPARAMS = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DDERR_INVALIDRECT = static_cast<HRESULT>(0x88760096u);
inline constexpr HRESULT DDERR_NOTLOCKED = static_cast<HRESULT>(0x887601B2u);
inline constexpr HRESULT DDERR_SURFACEBUSY = static_cast<HRESULT>(0x887601AEu);
inline constexpr HRESULT DDERR_SURFACELOST = static_cast<HRESULT>(0x887601C2u);
inline constexpr HRESULT DDERR_WASSTILLDRAWING = static_cast<HRESULT>(0x8876021Cu);
inline constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001Eu);
inline constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000Cu);

constexpr bool Failed(HRESULT code) {
  return code < 0;
}
constexpr bool Succeeded(HRESULT code) {
  return code >= 0;
}

// ---------------------------------------------------------------------------------------------
// Rectangles: right and bottom are exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  constexpr std::int32_t Width() const { return right - left; }
  constexpr std::int32_t Height() const { return bottom - top; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// ---------------------------------------------------------------------------------------------
// Windows and messages.
using WindowHandle = std::int32_t;  // 0 is no window
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using WindowProcedure = LRESULT (*)(WindowHandle, std::uint32_t, WPARAM, LPARAM);

inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_SETFOCUS = 0x0007;
inline constexpr std::uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_QUIT = 0x0012;
inline constexpr std::uint32_t WM_ACTIVATEAPP = 0x001C;
inline constexpr std::uint32_t WM_SETCURSOR = 0x0020;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;

struct Message {
  WindowHandle window = 0;
  std::uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Virtual-key codes carried by WM_KEYDOWN.
inline constexpr std::uint32_t VK_ESCAPE = 27;
inline constexpr std::uint32_t VK_F1 = 112;
inline constexpr std::uint32_t VK_F12 = 123;

// Keyboard scan codes: the index of a key in the keyboard device state.
inline constexpr std::uint8_t DIK_ESCAPE = 0x01;
inline constexpr std::uint8_t DIK_P = 0x19;
inline constexpr std::uint8_t DIK_LMENU = 0x38;
inline constexpr std::uint8_t DIK_SPACE = 0x39;
inline constexpr std::uint8_t DIK_F1 = 0x3B;
inline constexpr std::uint8_t DIK_F12 = 0x58;
inline constexpr std::uint8_t DIK_UP = 0xC8;
inline constexpr std::uint8_t DIK_LEFT = 0xCB;
inline constexpr std::uint8_t DIK_RIGHT = 0xCD;
inline constexpr std::uint8_t DIK_DOWN = 0xD0;

// ---------------------------------------------------------------------------------------------
// Display flags, with the values the game passes.
inline constexpr std::uint32_t DDSCL_FULLSCREEN = 0x1;
inline constexpr std::uint32_t DDSCL_EXCLUSIVE = 0x10;

inline constexpr std::uint32_t DDSD_CAPS = 0x1;
inline constexpr std::uint32_t DDSD_HEIGHT = 0x2;
inline constexpr std::uint32_t DDSD_WIDTH = 0x4;
inline constexpr std::uint32_t DDSD_BACKBUFFERCOUNT = 0x20;

inline constexpr std::uint32_t DDSCAPS_BACKBUFFER = 0x4;
inline constexpr std::uint32_t DDSCAPS_COMPLEX = 0x8;
inline constexpr std::uint32_t DDSCAPS_FLIP = 0x10;
inline constexpr std::uint32_t DDSCAPS_OFFSCREENPLAIN = 0x40;
inline constexpr std::uint32_t DDSCAPS_PRIMARYSURFACE = 0x200;

inline constexpr std::uint32_t DDBLT_COLORFILL = 0x400;
inline constexpr std::uint32_t DDBLT_KEYSRC = 0x8000;
inline constexpr std::uint32_t DDBLT_WAIT = 0x1000000;

inline constexpr std::uint32_t DDCKEY_DESTBLT = 0x2;
inline constexpr std::uint32_t DDCKEY_SRCBLT = 0x8;

inline constexpr std::uint32_t DDLOCK_WAIT = 0x1;
inline constexpr std::uint32_t DDPCAPS_8BIT = 0x4;

// GDI colour value 0x00BBGGRR; CLR_INVALID stands for no colour.
using ColorRef = std::uint32_t;
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFFu;
constexpr ColorRef MakeColorRef(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) |
         (static_cast<ColorRef>(blue) << 16);
}

// ---------------------------------------------------------------------------------------------
// Input flags.
inline constexpr std::uint32_t DISCL_NONEXCLUSIVE = 0x2;
inline constexpr std::uint32_t DISCL_FOREGROUND = 0x4;
inline constexpr std::uint32_t DIRECTINPUT_VERSION = 0x0500;

}  // namespace kelmora::platform

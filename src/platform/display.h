// The display services the game calls: an exclusive 640x480 display of 256 palette indices with a
// flipping primary surface and one back buffer, off-screen surfaces, an 8-bit palette, a clipper,
// colour keys, blits, locks and flips; plus the small part of the bitmap and device-context
// services that the bitmap loader needs. Surfaces live in memory; the backend shows the front
// buffer on the screen when the game flips.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"

namespace kelmora::platform {

inline constexpr int kScreenWidth = 640;
inline constexpr int kScreenHeight = 480;

struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
  friend constexpr bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};
using PaletteTable = std::array<PaletteEntry, 256>;

struct SurfaceDesc {
  std::uint32_t flags = 0;  // DDSD_*
  std::uint32_t caps = 0;   // DDSCAPS_*
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t backBufferCount = 0;
};

// What a successful Lock hands out.
struct LockedSurface {
  std::uint8_t* bits = nullptr;
  std::int32_t pitch = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t bitCount = 8;
};

struct ColorKey {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
};

struct BltFx {
  std::uint32_t size = 100;
  std::uint32_t fillColor = 0;
};

class Palette {
 public:
  explicit Palette(const PaletteTable& entries) : entries_(entries) {}
  ~Palette();
  Palette(const Palette&) = delete;
  Palette& operator=(const Palette&) = delete;
  const PaletteTable& Entries() const { return entries_; }

 private:
  const PaletteTable entries_;
};

class Clipper {
 public:
  Clipper() = default;
  ~Clipper();
  Clipper(const Clipper&) = delete;
  Clipper& operator=(const Clipper&) = delete;
  HRESULT SetHWnd(std::uint32_t flags, WindowHandle window);
  WindowHandle Window() const { return window_; }

 private:
  WindowHandle window_ = 0;
};

// Whether the ways that only some processors have (64-byte byte masks for keyed blits) may be
// taken where the processor has them. They give the very same pixels as the plain ways; tests turn
// them off to keep the plain ways tested on every machine.
void AllowProcessorPaths(bool allow);
// Whether the 64-byte byte masks may be used: the processor has them (AVX-512 BW), the build has
// the processor paths, and they are allowed.
bool ByteMasksAvailable();

class DeviceContext;

// An 8-bit surface. The primary surface owns its attached back buffer.
class Surface {
 public:
  Surface(std::string_view name, std::int32_t width, std::int32_t height, std::uint32_t caps);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // Copies `srcRect` of `source` (the whole source when null) to `dstRect` of this surface (the
  // whole surface when null), scaling to the destination size, keyed by the source's source colour
  // key with DDBLT_KEYSRC, or fills `dstRect` with fx->fillColor with DDBLT_COLORFILL. A clipper
  // cuts the destination to the screen; without one a rectangle outside the surface is refused.
  HRESULT Blt(const Rect* dstRect, Surface* source, const Rect* srcRect, std::uint32_t flags,
              const BltFx* fx);
  // A row of keyed blits side by side, as a line of text is: piece i copies pieces[i] of
  // `source` to the box of boxWidth x boxHeight at (left + i * advance, top), keyed by the
  // source's colour key; a piece is either the box's own size or one pixel stretched over it.
  // Draws exactly what one Blt(DDBLT_KEYSRC) per piece would, all at once, when nothing could make
  // a piece's blit fail or differ: no blit fault pending, neither surface lost or locked, a
  // clipper on this surface, a key of one colour. Otherwise draws nothing and returns false, and
  // the caller blits the pieces one by one.
  bool BltKeyedRow(Surface& source, std::span<const Rect> pieces, std::int32_t left,
                   std::int32_t top, std::int32_t boxWidth, std::int32_t boxHeight,
                   std::int32_t advance);
  // Primary surface only: shows the back buffer (the two swap) and hands it to the backend.
  HRESULT Flip(Surface* override, std::uint32_t flags);
  // Primary surface only: the back buffer, owned by this surface.
  HRESULT GetAttachedSurface(std::uint32_t caps, Surface** attached);
  HRESULT Lock(const Rect* rect, LockedSurface* locked, std::uint32_t flags);
  HRESULT Unlock(const Rect* rect);
  HRESULT Restore();
  HRESULT IsLost() const;
  HRESULT SetColorKey(std::uint32_t flags, const ColorKey& key);
  HRESULT GetColorKey(std::uint32_t flags, ColorKey* key) const;
  HRESULT SetPalette(Palette* palette);  // not owned
  HRESULT SetClipper(Clipper* clipper);  // not owned
  HRESULT GetSurfaceDesc(SurfaceDesc* desc) const;
  HRESULT GetDC(DeviceContext** context);
  HRESULT ReleaseDC(DeviceContext* context);

  // Direct access for the backend, the trace and tests.
  std::string_view Name() const { return name_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::int32_t Pitch() const { return pitch_; }
  std::uint8_t* Pixels() { return pixels_.data(); }
  const std::uint8_t* Pixels() const { return pixels_.data(); }
  Palette* AttachedPalette() const { return palette_; }
  Clipper* AttachedClipper() const { return clipper_; }
  bool Locked() const { return locked_; }
  // Marks this surface (and an attached back buffer) lost, as when the display was taken away.
  void MarkLost();

 private:
  friend class DirectDraw;

  std::string name_;
  std::int32_t width_;
  std::int32_t height_;
  std::int32_t pitch_;
  std::uint32_t caps_;
  std::vector<std::uint8_t> pixels_;
  bool lost_ = false;
  bool locked_ = false;
  bool hasSourceKey_ = false;
  bool hasDestKey_ = false;
  ColorKey sourceKey_;
  ColorKey destKey_;
  Palette* palette_ = nullptr;
  Clipper* clipper_ = nullptr;
  std::unique_ptr<Surface> backBuffer_;
  std::unique_ptr<DeviceContext> context_;
};

class DirectDraw {
 public:
  DirectDraw();
  ~DirectDraw();
  DirectDraw(const DirectDraw&) = delete;
  DirectDraw& operator=(const DirectDraw&) = delete;

  // The newer interface of the same display object (a second object; the first may be released).
  HRESULT QueryInterface(std::unique_ptr<DirectDraw>* out);
  HRESULT SetCooperativeLevel(WindowHandle window, std::uint32_t flags);
  HRESULT SetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel,
                         std::int32_t refreshRate, std::uint32_t flags);
  // `name` labels the surface in diagnostics and in the call log.
  HRESULT CreateSurface(const SurfaceDesc& desc, std::unique_ptr<Surface>* out,
                        std::string_view name);
  HRESULT CreatePalette(std::uint32_t flags, const PaletteTable& entries,
                        std::unique_ptr<Palette>* out);
  HRESULT CreateClipper(std::uint32_t flags, std::unique_ptr<Clipper>* out);
};

HRESULT DirectDrawCreate(std::unique_ptr<DirectDraw>* out);

// ---------------------------------------------------------------------------------------------
// Bitmaps and device contexts: what the bitmap loader needs of GDI.

// A decoded 8-bit device-independent bitmap: rows top-down, no padding.
struct Bitmap {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> pixels;
  PaletteTable colours{};  // red, green, blue from the colour table
  std::int32_t colourCount = 0;
};

// Decodes a packed DIB (info header, colour table, pixels). Every size and offset is checked
// against the bytes really there: a malformed, truncated or oversized image gives nullptr.
std::unique_ptr<Bitmap> DecodePackedDib(std::span<const std::uint8_t> bytes);
// Decodes a bitmap file (14-byte file header in front of a packed DIB), with the same checks.
std::unique_ptr<Bitmap> DecodeBitmapFile(std::span<const std::uint8_t> bytes);

// LoadImage: the program's own bitmap resource of that name, or nullptr.
std::unique_ptr<Bitmap> LoadBitmapResource(std::string_view name);
// LoadImage with LR_LOADFROMFILE: a bitmap file at that path, or nullptr.
std::unique_ptr<Bitmap> LoadBitmapFile(std::string_view path);
// FindResource + LoadResource + LockResource for a bitmap resource: the packed DIB's bytes, or an
// empty span when there is no such resource (or Fault::kResourceLock is armed).
std::span<const std::uint8_t> LockBitmapResource(std::string_view name);
// Whether the program has a bitmap resource of that name.
bool HasBitmapResource(std::string_view name);
// _lopen + _lread: at most `count` bytes from the start of the file, or nothing when it cannot be
// opened. Never reads more than `count` bytes.
bool ReadFilePrefix(std::string_view path, std::size_t count, std::vector<std::uint8_t>* bytes);

// A device context: a surface's (from GetDC) or a memory one with a bitmap selected into it.
class DeviceContext {
 public:
  explicit DeviceContext(Surface* surface) : surface_(surface) {}
  DeviceContext() = default;
  Surface* TargetSurface() const { return surface_; }
  const Bitmap* SelectedBitmap() const { return bitmap_; }
  void SelectBitmap(const Bitmap* bitmap) { bitmap_ = bitmap; }

 private:
  Surface* surface_ = nullptr;
  const Bitmap* bitmap_ = nullptr;
};

// Memory device context; nullptr when it cannot be made (Fault::kMemoryDC).
std::unique_ptr<DeviceContext> CreateCompatibleDC();
// Copies (scaling) a rectangle of the memory context's bitmap to a rectangle of a surface context.
bool StretchBlt(DeviceContext* destination, std::int32_t dx, std::int32_t dy, std::int32_t dw,
                std::int32_t dh, const DeviceContext* source, std::int32_t sx, std::int32_t sy,
                std::int32_t sw, std::int32_t sh);
// GDI colour of a pixel of a surface context (through the display's palette).
ColorRef GetPixel(DeviceContext* context, std::int32_t x, std::int32_t y);
// Writes the palette entry nearest to `colour` (lowest index on ties) into a pixel.
ColorRef SetPixel(DeviceContext* context, std::int32_t x, std::int32_t y, ColorRef colour);

// The palette that the display shows now (the one attached to the primary surface), or the
// default colour cube when none is attached.
const PaletteTable& DisplayPalette();
// The 3-3-2 colour cube: red in the top three bits, green in the next three, blue in the last
// two. What the display shows before the game attaches a palette, and what a palette made from a
// bitmap starts from.
PaletteTable DefaultPaletteTable();

// Every display call of note ("Release frontBuffer", "Flip", "Restore sheetSurface", ...), in
// order, for tests of start-up, restore and shutdown order. Cleared by ResetDisplayLog.
const std::vector<std::string>& DisplayLog();
void ResetDisplayLog();

}  // namespace kelmora::platform

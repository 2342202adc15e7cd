#include "platform/display.h"

#include <algorithm>
#include <cstring>

#include "platform/backend.h"
#include "platform/faults.h"

namespace kelmora::platform {

namespace {

// The log of display calls lives as long as the process: display objects still held when the
// program ends are released by static destructors, in an order between files that nothing
// fixes, and their releases are logged too.
std::vector<std::string>& DisplayCalls() {
  static auto* calls = new std::vector<std::string>();
  return *calls;
}

void Log(std::string_view call, std::string_view name) {
  std::string entry(call);
  if (!name.empty()) {
    entry += ' ';
    entry += name;
  }
  DisplayCalls().push_back(std::move(entry));
}

// The display as a whole: its palette is the one attached to the primary surface.
Surface* primarySurface = nullptr;

}  // namespace

// ---------------------------------------------------------------------------------------------
Palette::~Palette() {
  Log("Release", "palette");
}

Clipper::~Clipper() {
  Log("Release", "clipper");
}

HRESULT Clipper::SetHWnd(std::uint32_t, WindowHandle window) {
  window_ = window;
  return DD_OK;
}

// ---------------------------------------------------------------------------------------------
Surface::Surface(std::string_view name, std::int32_t width, std::int32_t height, std::uint32_t caps)
    : name_(name),
      width_(width),
      height_(height),
      pitch_((width + 3) & ~3),
      caps_(caps),
      pixels_(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height), 0) {}

Surface::~Surface() {
  Log("Release", name_);
  if (primarySurface == this) primarySurface = nullptr;
}

HRESULT Surface::Flip(Surface*, std::uint32_t) {
  if (!backBuffer_) return DDERR_INVALIDPARAMS;
  if (ConsumeFault(Fault::kFlipLost)) {
    MarkLost();
    return DDERR_SURFACELOST;
  }
  if (ConsumeFault(Fault::kFlipBusy)) return DDERR_WASSTILLDRAWING;
  if (lost_ || backBuffer_->lost_) return DDERR_SURFACELOST;
  pixels_.swap(backBuffer_->pixels_);
  const PaletteTable& palette = palette_ != nullptr ? palette_->Entries() : DisplayPalette();
  const HRESULT shown = CurrentBackend().Present(*this, palette);
  if (shown == DDERR_SURFACELOST) {
    MarkLost();
    return DDERR_SURFACELOST;
  }
  return DD_OK;
}

HRESULT Surface::GetAttachedSurface(std::uint32_t, Surface** attached) {
  if (ConsumeFault(Fault::kAttachedSurface) || !backBuffer_) {
    *attached = nullptr;
    return DDERR_GENERIC;
  }
  *attached = backBuffer_.get();
  return DD_OK;
}

HRESULT Surface::Lock(const Rect*, LockedSurface* locked, std::uint32_t) {
  if (locked_) return DDERR_SURFACEBUSY;
  if (name_ == "pixelLayer" && ConsumeFault(Fault::kLock)) return DDERR_GENERIC;
  if (lost_) return DDERR_SURFACELOST;
  locked_ = true;
  locked->bits = pixels_.data();
  locked->pitch = pitch_;
  locked->width = width_;
  locked->height = height_;
  locked->bitCount = 8;
  return DD_OK;
}

HRESULT Surface::Unlock(const Rect*) {
  if (!locked_) return DDERR_NOTLOCKED;
  locked_ = false;
  return DD_OK;
}

HRESULT Surface::Restore() {
  Log("Restore", name_);
  if (primarySurface == this) {
    const HRESULT host = CurrentBackend().RestoreScreen();
    if (Failed(host)) return host;
  }
  lost_ = false;
  if (backBuffer_) backBuffer_->lost_ = false;
  return DD_OK;
}

HRESULT Surface::IsLost() const {
  return lost_ ? DDERR_SURFACELOST : DD_OK;
}

void Surface::MarkLost() {
  lost_ = true;
  if (backBuffer_) backBuffer_->lost_ = true;
}

HRESULT Surface::SetColorKey(std::uint32_t flags, const ColorKey& key) {
  Log((flags & DDCKEY_SRCBLT) != 0 ? "SetSourceKey" : "SetDestKey", name_);
  if ((flags & DDCKEY_SRCBLT) != 0) {
    sourceKey_ = key;
    hasSourceKey_ = true;
  }
  if ((flags & DDCKEY_DESTBLT) != 0) {
    destKey_ = key;
    hasDestKey_ = true;
  }
  return DD_OK;
}

HRESULT Surface::GetColorKey(std::uint32_t flags, ColorKey* key) const {
  if ((flags & DDCKEY_SRCBLT) != 0 && hasSourceKey_) {
    *key = sourceKey_;
    return DD_OK;
  }
  if ((flags & DDCKEY_DESTBLT) != 0 && hasDestKey_) {
    *key = destKey_;
    return DD_OK;
  }
  return DDERR_GENERIC;
}

HRESULT Surface::SetPalette(Palette* palette) {
  Log("SetPalette", name_);
  palette_ = palette;
  return DD_OK;
}

HRESULT Surface::SetClipper(Clipper* clipper) {
  Log("SetClipper", name_);
  clipper_ = clipper;
  return DD_OK;
}

HRESULT Surface::GetSurfaceDesc(SurfaceDesc* desc) const {
  desc->flags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_CAPS;
  desc->caps = caps_;
  desc->width = width_;
  desc->height = height_;
  return DD_OK;
}

HRESULT Surface::GetDC(DeviceContext** context) {
  if (ConsumeFault(Fault::kSurfaceDC) || locked_ || context_) {
    *context = nullptr;
    return DDERR_GENERIC;
  }
  context_ = std::make_unique<DeviceContext>(this);
  *context = context_.get();
  return DD_OK;
}

HRESULT Surface::ReleaseDC(DeviceContext* context) {
  if (!context_ || context != context_.get()) return DDERR_GENERIC;
  context_.reset();
  return DD_OK;
}

// ---------------------------------------------------------------------------------------------
DirectDraw::DirectDraw() = default;
DirectDraw::~DirectDraw() {
  Log("Release", "directDraw");
}

HRESULT DirectDraw::QueryInterface(std::unique_ptr<DirectDraw>* out) {
  if (ConsumeFault(Fault::kQueryInterface)) return E_FAIL;
  *out = std::make_unique<DirectDraw>();
  return DD_OK;
}

HRESULT DirectDraw::SetCooperativeLevel(WindowHandle window, std::uint32_t) {
  if (ConsumeFault(Fault::kCooperativeLevel) || window == 0) return DDERR_GENERIC;
  return DD_OK;
}

HRESULT DirectDraw::SetDisplayMode(std::int32_t width, std::int32_t height,
                                   std::int32_t bitsPerPixel, std::int32_t, std::uint32_t) {
  if (ConsumeFault(Fault::kDisplayMode)) return DDERR_GENERIC;
  if (width != kScreenWidth || height != kScreenHeight || bitsPerPixel != 8) {
    return DDERR_INVALIDPARAMS;
  }
  if (!CurrentBackend().StartHostStep(HostStep::kDisplayMode)) return DDERR_GENERIC;
  return DD_OK;
}

HRESULT DirectDraw::CreateSurface(const SurfaceDesc& desc, std::unique_ptr<Surface>* out,
                                  std::string_view name) {
  if ((desc.caps & DDSCAPS_PRIMARYSURFACE) != 0) {
    if (ConsumeFault(Fault::kCreateSurface)) return DDERR_GENERIC;
    if (!CurrentBackend().StartHostStep(HostStep::kScreen)) return DDERR_GENERIC;
    auto primary = std::make_unique<Surface>(name, kScreenWidth, kScreenHeight, desc.caps);
    if (desc.backBufferCount > 0) {
      primary->backBuffer_ =
          std::make_unique<Surface>("backBuffer", kScreenWidth, kScreenHeight, DDSCAPS_BACKBUFFER);
    }
    primarySurface = primary.get();
    *out = std::move(primary);
    Log("CreateSurface", name);
    return DD_OK;
  }
  if (name == "pixelLayer" && ConsumeFault(Fault::kPixelLayer)) return DDERR_GENERIC;
  if (desc.width <= 0 || desc.height <= 0 || desc.width > 16384 || desc.height > 16384) {
    return DDERR_INVALIDPARAMS;
  }
  *out = std::make_unique<Surface>(name, desc.width, desc.height, desc.caps);
  Log("CreateSurface", name);
  return DD_OK;
}

HRESULT DirectDraw::CreatePalette(std::uint32_t, const PaletteTable& entries,
                                  std::unique_ptr<Palette>* out) {
  if (ConsumeFault(Fault::kPaletteCreate)) return DDERR_GENERIC;
  *out = std::make_unique<Palette>(entries);
  Log("CreatePalette", "");
  return DD_OK;
}

HRESULT DirectDraw::CreateClipper(std::uint32_t, std::unique_ptr<Clipper>* out) {
  *out = std::make_unique<Clipper>();
  Log("CreateClipper", "");
  return DD_OK;
}

HRESULT DirectDrawCreate(std::unique_ptr<DirectDraw>* out) {
  if (ConsumeFault(Fault::kDisplayCreate)) return DDERR_GENERIC;
  if (!CurrentBackend().StartHostStep(HostStep::kVideo)) return DDERR_GENERIC;
  *out = std::make_unique<DirectDraw>();
  return DD_OK;
}

PaletteTable DefaultPaletteTable() {
  PaletteTable table{};
  for (int i = 0; i < 256; ++i) {
    table[static_cast<std::size_t>(i)] =
        PaletteEntry{static_cast<std::uint8_t>(((i >> 5) & 7) * 255 / 7),
                     static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7),
                     static_cast<std::uint8_t>((i & 3) * 85), 0};
  }
  return table;
}

const PaletteTable& DisplayPalette() {
  static const PaletteTable kDefault = DefaultPaletteTable();
  if (primarySurface != nullptr && primarySurface->AttachedPalette() != nullptr) {
    return primarySurface->AttachedPalette()->Entries();
  }
  return kDefault;
}

const std::vector<std::string>& DisplayLog() {
  return DisplayCalls();
}
void ResetDisplayLog() {
  DisplayCalls().clear();
}

}  // namespace kelmora::platform

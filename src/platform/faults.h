// The one fault-injection point of the platform layer. Tests and the headless runner arm a fault;
// the platform service (or the game step) that it names fails on its next call.
#pragma once

#include <optional>
#include <string_view>

namespace kelmora::platform {

enum class Fault {
  // Start-up steps, in start-up order.
  kWindow,
  kDisplayCreate,
  kQueryInterface,
  kCooperativeLevel,
  kDisplayMode,
  kCreateSurface,
  kAttachedSurface,
  kSheetBitmap,
  kPixelLayer,
  kGuiBitmap,
  kInputCreate,
  kKeyboardCreate,
  kKeyboardFormat,
  kKeyboardCooperative,
  kKeyboardAcquire,
  kMouseCreate,
  kMouseFormat,
  kMouseCooperative,
  kMouseAcquire,
  // Calls during play.
  kKeyboardRead,  // the next keyboard read fails
  kMouseRead,     // the next mouse read fails
  kLock,          // the next lock of the pixel layer fails
  kFlipLost,      // the next flip reports the surfaces lost
  kFlipBusy,      // the next flips report that the display is still drawing
  kBlitBusy,      // the next blits report that the display is still drawing
  // Host services that the game's display code relies on; only tests arm these.
  kMemoryDC,       // the next memory device context cannot be created
  kSurfaceDC,      // the next GetDC on a surface fails
  kPaletteCreate,  // the next CreatePalette fails
  kResourceLock,   // the next lock of a bitmap resource gives nothing
  kAllocation,     // the next game record that asks for memory cannot have it
  kCount
};

// Arms `count` more failures of `fault` (counts add up).
void ArmFault(Fault fault, int count = 1);
// True, and one failure used up, when `fault` is armed. Every faultable call asks this first.
bool ConsumeFault(Fault fault);
// Failures of `fault` still armed.
int PendingFaults(Fault fault);
// Disarms every fault.
void ClearFaults();

// The names the headless runner's scripts use ("window", "flip-busy", "keyboard", ...).
std::optional<Fault> FaultFromName(std::string_view name);
std::string_view FaultName(Fault fault);

}  // namespace kelmora::platform

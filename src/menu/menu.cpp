#include "menu/menu.h"

#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "display/sprites.h"
#include "game/world.h"
#include "input/input.h"
#include "platform/window.h"
#include "state/state.h"

namespace kelmora {

namespace {

// The areas that answer the mouse, in screen pixels: the cursor must be strictly inside, a point
// on any of the four edges is outside.
using layout::HotArea;

// A panel image of the menu bitmap and the screen rectangle it is scaled to.
struct PanelImage {
  Rect source;
  Rect destination;
};

constexpr PanelImage ImageOf(const layout::Panel& panel) {
  return PanelImage{SheetRect(panel.source), SheetRect(panel.destination)};
}

constexpr PanelImage kMainMenuPanel = ImageOf(layout::kMainMenu);
constexpr PanelImage kOptionsPanel = ImageOf(layout::kOptionsPanel);
constexpr PanelImage kCheckBoxOn = ImageOf(layout::kCheckBoxOn);
constexpr PanelImage kCheckBoxOff = ImageOf(layout::kCheckBoxOff);
constexpr PanelImage kExitDialog = ImageOf(layout::kExitDialog);

// The cursor is the player's ship pointing up and to the left, with its gun flashes while the
// left button is down.
constexpr Rect kCursorPlain =
    SheetRect(layout::ShipCell(layout::ShipRow::kPlayer, layout::kCursorHeading));
constexpr Rect kCursorFiring =
    SheetRect(layout::ShipCell(layout::ShipRow::kPlayerFiring, layout::kCursorHeading));
constexpr std::int32_t kCursorSize = layout::kShipSize;
constexpr std::int32_t kCursorMaxX = 640;
constexpr std::int32_t kCursorMaxY = 480;

constexpr HotArea kNewGameButton = layout::HotAreaNamed(layout::kMainMenu, "New Game");
constexpr HotArea kOptionsButton = layout::HotAreaNamed(layout::kMainMenu, "Options");
constexpr HotArea kExitButton = layout::HotAreaNamed(layout::kMainMenu, "Exit");
constexpr HotArea kJitterCheckBox = layout::HotAreaNamed(layout::kOptionsPanel, "Explosion Jitter");
constexpr HotArea kOkButton = layout::HotAreaNamed(layout::kOptionsPanel, "Ok");
constexpr HotArea kCancelButton = layout::HotAreaNamed(layout::kOptionsPanel, "Cancel");
constexpr HotArea kYesButton = layout::HotAreaNamed(layout::kExitDialog, "Yes");
constexpr HotArea kNoButton = layout::HotAreaNamed(layout::kExitDialog, "No");

// One of the three number rows of the options panel: where it answers the buttons, its limits and
// the centre of its text.
struct ValueRow {
  HotArea area;
  std::int32_t minimum;
  std::int32_t maximum;
  std::int32_t textX;
  std::int32_t textY;
};

constexpr ValueRow Row(std::string_view name, int row, std::int32_t minimum, std::int32_t maximum) {
  const auto& centre = layout::kOptionValueCentres[static_cast<std::size_t>(row)];
  return ValueRow{layout::HotAreaNamed(layout::kOptionsPanel, name), minimum, maximum, centre[0],
                  centre[1]};
}

constexpr ValueRow kEnemyNumberRow = Row("Enemy Number", 0, 1, 125);
constexpr ValueRow kParticleNumberRow = Row("Particle Number", 1, 10, 5000);
constexpr ValueRow kPowerUpNumberRow = Row("Power Up Number", 2, 100, 1500);

// What this frame's mouse read says.
struct MouseReading {
  std::int32_t x;  // the cursor after this frame's motion
  std::int32_t y;
  bool leftHeld;
  bool rightHeld;
  bool click;  // the left button's released edge
};

void DrawPanel(const PanelImage& image) {
  BlitSprite(image.source, image.destination, displayObjects.guiSurface.get(), kSpriteBlitFlags);
}

// Adds one motion count to a cursor coordinate as a 16-bit sum, then keeps it on the screen. The
// far limit is one past the last pixel.
std::int16_t MovedCursor(std::int16_t position, std::int32_t motion, std::int32_t limit) {
  const std::int32_t moved = Wrap16(static_cast<std::int32_t>(static_cast<std::uint32_t>(position) +
                                                              static_cast<std::uint32_t>(motion)));
  if (moved < 0) return 0;
  if (moved > limit) return static_cast<std::int16_t>(limit);
  return static_cast<std::int16_t>(moved);
}

void ShowMainMenu() {
  menuState.mainMenuVisible = 1;
  menuState.optionsVisible = 0;
  menuState.exitDialogVisible = 0;
}

void MainMenu(const MouseReading& mouse) {
  DrawPanel(kMainMenuPanel);
  if (!mouse.click) return;
  if (kNewGameButton.contains(mouse.x, mouse.y)) {
    // The new game is built by the window procedure from the posted F1, with the edited number
    // of drones and pickups. The panels stay as they are and vanish once the player lives.
    ComputeShipCount();
    world.pickupCount = settings.pickupSetting;
    platform::PostMessage(appState.mainWindow, platform::WM_KEYDOWN, platform::VK_F1, 0);
  } else if (kOptionsButton.contains(mouse.x, mouse.y)) {
    // Remembered so that Cancel can undo every edit.
    menuState.savedJitter = settings.explosionJitter;
    menuState.savedDroneCount = settings.droneCount;
    menuState.savedExplosionParticles = settings.explosionParticles;
    menuState.savedPickupSetting = settings.pickupSetting;
    menuState.mainMenuVisible = 0;
    menuState.optionsVisible = 1;
    menuState.exitDialogVisible = 0;
  } else if (kExitButton.contains(mouse.x, mouse.y)) {
    menuState.mainMenuVisible = 0;
    menuState.optionsVisible = 0;
    menuState.exitDialogVisible = 1;
  }
}

void DrawValue(const ValueRow& row, std::int32_t value) {
  char text[16];
  const int length = std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  DrawText(row.textX, row.textY, text, length);
}

// One step up (left button, which wins when both are down) or down (right button) while the
// cursor is over the row, kept within the row's limits.
std::int32_t HeldValue(const ValueRow& row, std::int32_t value, const MouseReading& mouse) {
  if (!row.area.contains(mouse.x, mouse.y)) return value;
  value += mouse.leftHeld ? 1 : -1;
  if (value < row.minimum) value = row.minimum;
  if (value > row.maximum) value = row.maximum;
  return value;
}

void OptionsPanel(const MouseReading& mouse) {
  DrawPanel(kOptionsPanel);
  DrawPanel(settings.explosionJitter != 0 ? kCheckBoxOn : kCheckBoxOff);
  DrawValue(kEnemyNumberRow, settings.droneCount);
  DrawValue(kParticleNumberRow, settings.explosionParticles);
  DrawValue(kPowerUpNumberRow, settings.pickupSetting);

  if (mouse.click) {
    if (kJitterCheckBox.contains(mouse.x, mouse.y)) {
      settings.explosionJitter = settings.explosionJitter == 0 ? 1 : 0;
    } else if (kOkButton.contains(mouse.x, mouse.y)) {
      ShowMainMenu();
    } else if (kCancelButton.contains(mouse.x, mouse.y)) {
      settings.explosionJitter = menuState.savedJitter;
      settings.droneCount = menuState.savedDroneCount;
      settings.explosionParticles = menuState.savedExplosionParticles;
      settings.pickupSetting = menuState.savedPickupSetting;
      ShowMainMenu();
    }
  }

  // Values run while a button is held over them, one step a frame; no click is needed.
  if (mouse.leftHeld || mouse.rightHeld) {
    settings.droneCount =
        static_cast<std::int8_t>(HeldValue(kEnemyNumberRow, settings.droneCount, mouse));
    settings.explosionParticles = HeldValue(kParticleNumberRow, settings.explosionParticles, mouse);
    settings.pickupSetting = HeldValue(kPowerUpNumberRow, settings.pickupSetting, mouse);
  }
}

void ExitDialog(const MouseReading& mouse) {
  DrawPanel(kExitDialog);
  if (!mouse.click) return;
  if (kYesButton.contains(mouse.x, mouse.y)) {
    platform::PostMessage(appState.mainWindow, platform::WM_CLOSE, 0, 0);
  } else if (kNoButton.contains(mouse.x, mouse.y)) {
    ShowMainMenu();
  }
}

}  // namespace

bool OnMenuButton(bool mainMenuShown, bool optionsShown, bool exitDialogShown, std::int32_t x,
                  std::int32_t y) {
  const auto any = [x, y](std::initializer_list<HotArea> areas) {
    for (const HotArea& area : areas) {
      if (area.contains(x, y)) return true;
    }
    return false;
  };
  return (mainMenuShown && any({kNewGameButton, kOptionsButton, kExitButton})) ||
         (optionsShown && any({kJitterCheckBox, kOkButton, kCancelButton})) ||
         (exitDialogShown && any({kYesButton, kNoButton}));
}

void MenuFrame() {
  // While the player flies, the menus are gone and the mouse is left alone.
  const Ship* player = PlayerOrNull();
  if (player != nullptr && player->alive != 0) return;

  // A failed read has ended the game with its report: nothing more may be drawn.
  if (!PollMouse()) return;

  const platform::MouseState& state = inputState.mouseState;
  menuState.cursorX = MovedCursor(menuState.cursorX, state.lX, kCursorMaxX);
  menuState.cursorY = MovedCursor(menuState.cursorY, state.lY, kCursorMaxY);

  const MouseReading mouse{menuState.cursorX, menuState.cursorY, state.rgbButtons[0] != 0,
                           state.rgbButtons[1] != 0, inputState.buttonReleased[0] != 0};
  const Rect& cursorCell = mouse.leftHeld ? kCursorFiring : kCursorPlain;

  // Each panel looks at its flag only when its turn comes: one opened from the main menu shows in
  // this same frame, while the main menu reopened from a panel shows from the next frame on.
  if (menuState.mainMenuVisible != 0) MainMenu(mouse);
  if (menuState.optionsVisible != 0) OptionsPanel(mouse);
  if (menuState.exitDialogVisible != 0) ExitDialog(mouse);

  // The cursor goes over everything, its top-left corner at the cursor position.
  BlitSprite(cursorCell, Rect{mouse.x, mouse.y, mouse.x + kCursorSize, mouse.y + kCursorSize},
             displayObjects.sheetSurface.get(), kSpriteBlitFlags);
}

}  // namespace kelmora

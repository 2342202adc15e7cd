// The menu panels as the game shows them: each panel scaled to its place on the screen, the way
// the game blits it, with every control inside the area that answers the mouse for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <queue>
#include <stdexcept>

#include "artgen/layout.h"
#include "artgen/palette.h"
#include "artwork_fixture.h"

namespace kelmora::artgen {
namespace {

using testing::Menus;

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

bool IsControl(std::uint8_t i) {
  return ranges::kConsole.contains(i);
}
bool IsLettering(std::uint8_t i) {
  return ranges::kGold.contains(i);
}

// Blits a panel onto a screen the way the game does: scaled by nearest neighbour to its
// destination, key-coloured pixels left out.
void Show(IndexedImage& screen, const Panel& panel) {
  const Rect& d = panel.destination;
  for (int y = d.top; y < d.bottom; ++y) {
    for (int x = d.left; x < d.right; ++x) {
      const auto [sx, sy] = SourceOf(panel, x, y);
      const std::uint8_t index = Menus().at(sx, sy);
      if (index != kKey) screen.at(x, y) = index;
    }
  }
}

IndexedImage ScreenWith(std::initializer_list<const Panel*> panels) {
  IndexedImage screen(kScreenWidth, kScreenHeight, kKey);
  for (const Panel* panel : panels) Show(screen, *panel);
  return screen;
}

// Bounding boxes (inclusive) of the 4-connected groups of control pixels on a screen.
std::vector<Rect> ControlGroups(const IndexedImage& screen) {
  std::vector<bool> seen(static_cast<std::size_t>(kScreenWidth * kScreenHeight), false);
  std::vector<Rect> groups;
  for (int y0 = 0; y0 < kScreenHeight; ++y0) {
    for (int x0 = 0; x0 < kScreenWidth; ++x0) {
      if (seen[static_cast<std::size_t>(y0 * kScreenWidth + x0)] || !IsControl(screen.at(x0, y0))) {
        continue;
      }
      Rect box{x0, y0, x0, y0};
      std::queue<std::pair<int, int>> queue;
      queue.push({x0, y0});
      seen[static_cast<std::size_t>(y0 * kScreenWidth + x0)] = true;
      while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop();
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& [nx, ny] : next) {
          if (nx < 0 || ny < 0 || nx >= kScreenWidth || ny >= kScreenHeight) continue;
          const std::size_t i = static_cast<std::size_t>(ny * kScreenWidth + nx);
          if (seen[i] || !IsControl(screen.at(nx, ny))) continue;
          seen[i] = true;
          queue.push({nx, ny});
        }
      }
      groups.push_back(box);
    }
  }
  return groups;
}

bool Inside(const Rect& box, const HotArea& area) {
  return area.contains(box.left, box.top) && area.contains(box.right, box.bottom);
}

// The panels the game shows together: the options panel always has one of the check boxes on it.
struct Scene {
  const char* name;
  std::vector<const Panel*> panels;
};

std::vector<Scene> MenuScenes() {
  return {{"main menu", {&kMainMenu}},
          {"options, jitter on", {&kOptionsPanel, &kCheckBoxOn}},
          {"options, jitter off", {&kOptionsPanel, &kCheckBoxOff}},
          {"exit dialog", {&kExitDialog}}};
}

TEST(Menus, EveryControlLiesInsideTheAreaThatAnswersForIt) {
  for (const Scene& scene : MenuScenes()) {
    SCOPED_TRACE(scene.name);
    IndexedImage screen(kScreenWidth, kScreenHeight, kKey);
    for (const Panel* panel : scene.panels) Show(screen, *panel);
    const Panel& main = *scene.panels.front();
    std::vector<int> groupsIn(static_cast<std::size_t>(main.hotAreaCount), 0);
    for (const Rect& box : ControlGroups(screen)) {
      int owners = 0;
      for (int a = 0; a < main.hotAreaCount; ++a) {
        if (Inside(box, main.hotAreas[a])) {
          ++owners;
          ++groupsIn[static_cast<std::size_t>(a)];
        }
      }
      EXPECT_EQ(owners, 1) << "control at " << box.left << "," << box.top << " to " << box.right
                           << "," << box.bottom;
    }
    // Letters with closed loops cut small groups out of a face, so an area may hold several.
    for (int a = 0; a < main.hotAreaCount; ++a) {
      EXPECT_GE(groupsIn[static_cast<std::size_t>(a)], 1) << main.hotAreas[a].name;
    }
  }
}

TEST(Menus, ControlsFillMostOfTheirAreas) {
  // A button a few pixels across would pass the test above but miss most clicks.
  for (const Scene& scene : MenuScenes()) {
    SCOPED_TRACE(scene.name);
    IndexedImage screen(kScreenWidth, kScreenHeight, kKey);
    for (const Panel* panel : scene.panels) Show(screen, *panel);
    const Panel& main = *scene.panels.front();
    for (int a = 0; a < main.hotAreaCount; ++a) {
      const HotArea& area = main.hotAreas[a];
      const Rect inner{area.left + 1, area.top + 1, area.right, area.bottom};
      const int controls = testing::CountWhere(screen, inner, IsControl);
      const int lettering = testing::CountWhere(screen, inner, IsLettering);
      const int marks = testing::CountWhere(screen, inner, [](std::uint8_t i) {
        return ranges::kEmerald.contains(i) || ranges::kCrimson.contains(i);
      });
      EXPECT_GE(controls + lettering + marks, inner.width() * inner.height() * 9 / 10) << area.name;
    }
  }
}

TEST(Menus, PanelsAreOpaqueWhereverTheyAreShown) {
  for (const Panel* panel : kPanels) {
    SCOPED_TRACE(panel->name);
    const bool checkBox = panel == &kCheckBoxOn || panel == &kCheckBoxOff;
    const Rect& d = panel->destination;
    int transparent = 0;
    for (int y = d.top; y < d.bottom; ++y) {
      for (int x = d.left; x < d.right; ++x) {
        const auto [sx, sy] = SourceOf(*panel, x, y);
        transparent += Menus().at(sx, sy) == kKey ? 1 : 0;
      }
    }
    // A check box lets the options panel show round its edge (one row and column fall outside
    // the area that answers for it); panels hide everything behind them.
    if (checkBox) {
      EXPECT_LE(transparent, 2 * d.width());
    } else {
      EXPECT_EQ(transparent, 0);
    }
  }
}

TEST(Menus, ButtonsAndRowsAreLabelled) {
  // Lettering on each button face and beside each settings row, none inside the value boxes,
  // which the game fills with its own numbers.
  const IndexedImage options = ScreenWith({&kOptionsPanel, &kCheckBoxOff});
  for (const Panel* panel : {&kMainMenu, &kOptionsPanel, &kExitDialog}) {
    const IndexedImage screen = ScreenWith({panel});
    for (int a = 0; a < panel->hotAreaCount; ++a) {
      const HotArea& area = panel->hotAreas[a];
      const Rect inner{area.left + 1, area.top + 1, area.right, area.bottom};
      const int lettering = testing::CountWhere(screen, inner, IsLettering);
      const bool valueOrCheck = panel == &kOptionsPanel && a < 4;
      if (valueOrCheck) {
        EXPECT_EQ(lettering, 0) << area.name;
        const Rect label{panel->destination.left, area.top + 1, area.left, area.bottom};
        EXPECT_GT(testing::CountWhere(options, label, IsLettering), 40) << area.name;
      } else {
        EXPECT_GT(lettering, 15) << area.name;
      }
    }
  }
  // The question stands above the two answers.
  const Rect question{kExitDialog.destination.left, kExitDialog.destination.top,
                      kExitDialog.destination.right, kExitDialog.hotAreas[0].top};
  EXPECT_GT(testing::CountWhere(ScreenWith({&kExitDialog}), question, IsLettering), 150);
}

TEST(Menus, OptionNumbersFitInsideTheirBoxes) {
  // The game writes up to four digits in the 6x7 font centred on each point; they must land on
  // the dark inside of the box, clear of its bevel.
  const IndexedImage screen = ScreenWith({&kOptionsPanel});
  for (const auto& [cx, cy] : kOptionValueCentres) {
    const int x0 = cx - (7 * 4) / 2;
    const Rect text{x0, cy - 4, x0 + 7 * 4 - 1, cy + 3};
    for (int y = text.top; y < text.bottom; ++y) {
      for (int x = text.left; x < text.right; ++x) {
        const std::uint8_t i = screen.at(x, y);
        EXPECT_TRUE(IsControl(i) && i >= ranges::kConsole[10]) << x << "," << y;
      }
    }
  }
}

TEST(Menus, CheckBoxesShowATickAndACross) {
  const IndexedImage on = ScreenWith({&kCheckBoxOn});
  const IndexedImage off = ScreenWith({&kCheckBoxOff});
  const Rect box = kCheckBoxOn.destination;
  auto green = [](std::uint8_t i) { return ranges::kEmerald.contains(i); };
  auto red = [](std::uint8_t i) { return ranges::kCrimson.contains(i); };
  EXPECT_GT(testing::CountWhere(on, box, green), 20);
  EXPECT_EQ(testing::CountWhere(on, box, red), 0);
  EXPECT_GT(testing::CountWhere(off, box, red), 20);
  EXPECT_EQ(testing::CountWhere(off, box, green), 0);
}

TEST(Menus, SourceRectanglesDoNotOverlap) {
  for (std::size_t i = 0; i < kPanels.size(); ++i) {
    for (std::size_t j = i + 1; j < kPanels.size(); ++j) {
      const Rect& a = kPanels[i]->source;
      const Rect& b = kPanels[j]->source;
      const bool apart =
          a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
      EXPECT_TRUE(apart) << kPanels[i]->name << " and " << kPanels[j]->name;
    }
  }
}

TEST(Menus, HotAreasAreFoundByNameOnTheirOwnPanelOnly) {
  for (const Panel* panel : kPanels) {
    for (int i = 0; i < panel->hotAreaCount; ++i) {
      const HotArea& area = panel->hotAreas[static_cast<std::size_t>(i)];
      EXPECT_EQ(&HotAreaNamed(*panel, area.name), &area) << panel->name << ": " << area.name;
    }
  }
  // The game names its buttons in constants: a name that a panel lacks must not quietly give
  // that panel's first area.
  EXPECT_THROW(HotAreaNamed(kMainMenu, "Ok"), std::invalid_argument);
  EXPECT_THROW(HotAreaNamed(kExitDialog, "yes"), std::invalid_argument);
  static_assert(HotAreaNamed(kOptionsPanel, "Cancel").left == 334);
}

}  // namespace
}  // namespace kelmora::artgen
